#include "features/sms/ui/sms_printing.h"

#include "core/base/cp949.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>

namespace pdx::features {

int QtTextMetrics::width(PrintFont font, const std::string &cp949) const {
  return QFontMetrics(printFont(font)).horizontalAdvance(QString::fromStdString(text::toUtf8(cp949)));
}

PrintOutcome printSms(QPagedPaintDevice &device, const core::SmsMessage &message, std::string_view text,
                      bool received) {
  const LayoutPage size = layoutPageOf(device);
  const PrintPage page =
      layoutSmsPrint(message, text, received, printArea(size.width, size.height), QtTextMetrics());
  return printPages(
      device, text::translate("pdx::printing", received ? kReceivedSmsDocument : kSavedSmsDocument), {page});
}

} // namespace pdx::features
