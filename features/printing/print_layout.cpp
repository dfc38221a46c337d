#include "features/printing/print_layout.h"

namespace pdx::features {

PrintRect printArea(int pageWidth, int pageHeight) {
  return {127, 252, pageWidth - 127, pageHeight - 252};
}

PageHeader pageHeader(const PrintRect &area, const std::string &documentUtf8) {
  PageHeader header;
  header.title = documentUtf8.empty() ? "Pelodex" : "Pelodex - " + documentUtf8;
  header.thinRule = {area.left, area.top - 52, area.right, area.top - 50};
  header.thickRule = {area.left, area.top - 48, area.right, area.top - 44};
  return header;
}

} // namespace pdx::features
