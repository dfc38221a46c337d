// One message printed onto a paged device (a printer or a PDF writer)
// inside the print frame.
#pragma once

#include "core/data/records.h"
#include "features/printing/ui/print_painter.h"
#include "features/sms/sms_print.h"

namespace pdx::features {

// Widths and heights as the print painter draws, in layout pixels.
class QtTextMetrics : public TextMetrics {
public:
  int width(PrintFont font, const std::string &cp949) const override;
  int height(PrintFont font, const std::string &cp949) const override { return heights_.height(font, cp949); }

private:
  QtTextMeasure heights_;
};

// `received` picks the received page's document and sender line.
// `text` (code page 949) is the whole message, which the record may hold cut.
PrintOutcome printSms(QPagedPaintDevice &device, const core::SmsMessage &message, std::string_view text,
                      bool received);

} // namespace pdx::features
