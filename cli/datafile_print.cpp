#include "cli/datafile_print.h"

#include "core/base/atomic_file.h"
#include "core/data/datafile.h"
#include "features/printing/ui/phonebook_printing.h"
#include "resources/fonts.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>
#include <optional>

namespace pdx::cli {

namespace {

// Print needs fonts, so a GUI application; offscreen, as no window opens.
struct OffscreenApp {
  OffscreenApp() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
    resources::installFonts();
  }
  int argc = 1;
  char name[12] = "pelodex-cli";
  char *argv[2] = {name, nullptr};
  std::unique_ptr<QGuiApplication> app;
};

} // namespace

int printDatafile(Args &args) {
  const auto path = args.positional();
  const auto size = args.option("--size");
  const auto order = args.option("--order");
  const auto pdf = args.option("--pdf");
  if (!path || !pdf || (size != "wallet" && size != "normal") || (order != "group" && order != "name")) {
    args.fail("사용법: datafile print PATH --size wallet|normal --order group|name --pdf OUT.pdf");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  core::CDataStore store;
  if (const DocResult result = core::loadDataFileAt(*path, store); result != DocResult::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path->c_str(), describe(result));
    return code(result);
  }
  const OffscreenApp app;
  // Printed into memory and saved atomically, so a failed print never
  // leaves a damaged PDF in place of the previous one.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  std::optional<QPdfWriter> writerHolder(std::in_place, &buffer);
  QPdfWriter &writer = *writerHolder;
  writer.setResolution(600);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF());
  writer.setTitle(QStringLiteral("Pelodex - %1").arg(QString::fromUtf8(features::kPhonebookDocument)));
  const features::PrintOutcome outcome = features::printPhonebook(
      writer, store.pcPhonebook, store.pcGroups,
      size == "wallet" ? features::PrintSize::Wallet : features::PrintSize::Normal,
      order == "group" ? features::PrintOrder::ByGroup : features::PrintOrder::ByName);
  if (outcome != features::PrintOutcome::Printed) {
    std::fprintf(stderr, "pelodex-cli: %s (%s)\n", features::printOutcomeMessage(outcome).c_str(),
                 pdf->c_str());
    return code(outcome == features::PrintOutcome::CannotOpen ? DocResult::CannotCreate
                                                              : DocResult::WriteError);
  }
  writerHolder.reset(); // finishes the document
  const DocResult saved = writeFileAtomically(
      *pdf, {reinterpret_cast<const uint8_t *>(bytes.constData()), static_cast<size_t>(bytes.size())});
  if (saved != DocResult::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", pdf->c_str(), describe(saved));
  }
  return code(saved);
}

} // namespace pdx::cli
