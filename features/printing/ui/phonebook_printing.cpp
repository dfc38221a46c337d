#include "features/printing/ui/phonebook_printing.h"

#include "core/base/atomic_file.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <optional>

namespace pdx::features {

PrintOutcome printPhonebook(QPagedPaintDevice &device, const core::PhonebookList &entries,
                            const core::GroupTable &groups, PrintSize size, PrintOrder order) {
  const LayoutPage page = layoutPageOf(device);
  const QtTextMeasure measure;
  const std::vector<PrintPage> pages =
      layoutPhonebook(entries, groups, size, order, printArea(page.width, page.height), measure);
  return printPages(device, text::translate("pdx::printing", kPhonebookDocument), pages, 1,
                    kLastPhonebookPage);
}

PrintOutcome printPhonebookToPdf(const std::filesystem::path &pdf, const core::PhonebookList &entries,
                                 const core::GroupTable &groups, PrintSize size, PrintOrder order) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  std::optional<QPdfWriter> writer(std::in_place, &buffer);
  writer->setResolution(600);
  writer->setPageSize(QPageSize(QPageSize::A4));
  writer->setPageMargins(QMarginsF());
  writer->setTitle(QStringLiteral("Pelodex - %1")
                       .arg(QString::fromStdString(text::translate("pdx::printing", kPhonebookDocument))));
  const PrintOutcome outcome = printPhonebook(*writer, entries, groups, size, order);
  if (outcome != PrintOutcome::Printed) {
    return outcome;
  }
  writer.reset(); // finishes the document
  switch (writeFileAtomically(
      pdf, {reinterpret_cast<const uint8_t *>(bytes.constData()), static_cast<size_t>(bytes.size())})) {
  case DocResult::Ok:
    return PrintOutcome::Printed;
  case DocResult::CannotCreate:
    return PrintOutcome::CannotOpen;
  default:
    return PrintOutcome::PageFailed;
  }
}

} // namespace pdx::features
