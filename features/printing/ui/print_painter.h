// Drawing laid-out pages onto a paged device (a printer or a PDF writer).
// Layouts are computed in 300-dpi units, the printers the layout's pixel
// sizes were made for (40-pixel lines under 7-point text, 690-pixel wallet
// columns of 2.3 inches); the painter scales them to the device's
// resolution. Every page gets the common frame: the header text and
// the double rule above the print area.
#pragma once

#include "features/printing/print_layout.h"

#include <QFont>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace pdx::features {

// The resolution the layouts are computed in.
inline constexpr int kLayoutDpi = 300;

// The font of a print text, sized in layout pixels, with the phone's
// symbol font as fallback so that number-kind symbols print.
QFont printFont(PrintFont font);

// Heights of texts as the painter draws them, in layout pixels.
class QtTextMeasure : public TextMeasure {
public:
  int height(PrintFont font, const std::string &cp949) const override;
};

// The page size of a device in layout pixels.
struct LayoutPage {
  int width = 0;
  int height = 0;
};
LayoutPage layoutPageOf(const QPagedPaintDevice &device);

enum class PrintOutcome { Printed, CannotOpen, PageFailed };

// The user's message for a failed job ("" for Printed).
std::string printOutcomeMessage(PrintOutcome outcome);

// Prints pages first..last (1-based, clamped to the pages there are) with
// the frame of document `documentUtf8`.
PrintOutcome printPages(QPagedPaintDevice &device, const std::string &documentUtf8,
                        const std::vector<PrintPage> &pages, int first = 1, int last = 1 << 30);

} // namespace pdx::features
