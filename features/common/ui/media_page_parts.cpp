#include "features/common/ui/media_page_parts.h"

#include "resources/fonts.h"
#include "winlib/bmp_message_box.h"

#include <QPainter>

namespace pdx::features {

void drawPageLabels(QPainter &painter, const std::vector<PageLabel> &labels) {
  painter.setFont(resources::font(QStringLiteral("굴림"), 10, true));
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  for (const PageLabel &label : labels) {
    painter.drawText(label.at + QPoint(0, ascent), label.text);
  }
}

void MessageBoxUser::tell(const std::string &message, bool error) {
  winlib::CBmpMessageBox::Show(owner_, QString::fromStdString(message), QString(),
                               winlib::kMbOk | (error ? winlib::kMbIconStop : winlib::kMbIconExclamation));
}

bool BusyMediaPhone::sendMelody(std::span<const uint8_t> payload) {
  return busy_.run([&] { return phone_.sendMelody(payload); });
}

bool BusyMediaPhone::sendAnimation(std::span<const uint8_t> payload) {
  return busy_.run([&] { return phone_.sendAnimation(payload); });
}

} // namespace pdx::features
