#include "cli/datafile_print.h"

#include "core/data/datafile.h"
#include "features/printing/ui/phonebook_printing.h"
#include "resources/fonts.h"

#include <QGuiApplication>
#include <cstdio>

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
    args.failUsage("datafile print PATH --size wallet|normal --order group|name --pdf OUT.pdf");
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
  const features::PrintOutcome outcome = features::printPhonebookToPdf(
      *pdf, store.pcPhonebook, store.pcGroups,
      size == "wallet" ? features::PrintSize::Wallet : features::PrintSize::Normal,
      order == "group" ? features::PrintOrder::ByGroup : features::PrintOrder::ByName);
  if (outcome != features::PrintOutcome::Printed) {
    std::fprintf(stderr, "pelodex-cli: %s (%s)\n", features::printOutcomeMessage(outcome).c_str(),
                 pdf->c_str());
    return code(outcome == features::PrintOutcome::CannotOpen ? DocResult::CannotCreate
                                                              : DocResult::WriteError);
  }
  return 0;
}

} // namespace pdx::cli
