#include "features/printing/ui/phonebook_printing.h"

#include <QPagedPaintDevice>

namespace pdx::features {

PrintOutcome printPhonebook(QPagedPaintDevice &device, const core::PhonebookList &entries,
                            const core::GroupTable &groups, PrintSize size, PrintOrder order) {
  const LayoutPage page = layoutPageOf(device);
  const QtTextMeasure measure;
  const std::vector<PrintPage> pages =
      layoutPhonebook(entries, groups, size, order, printArea(page.width, page.height), measure);
  return printPages(device, kPhonebookDocument, pages, 1, kLastPhonebookPage);
}

} // namespace pdx::features
