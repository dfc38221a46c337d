#include "features/groups/ui/dialog_parts.h"

#include "resources/fonts.h"
#include "resources/renderer.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"

#include <QFontMetrics>
#include <QPainter>

namespace pdx::features {

OkCancel addOkCancel(QWidget *dialog, QPoint ok, QPoint cancel) {
  OkCancel buttons;
  buttons.ok = new winlib::CBmpButton(dialog);
  buttons.ok->Create(winlib::kPushDisabledStyle, QRect(ok, QSize(1, 1)), dialog, winlib::kIdOkCommand,
                     resources::kButtonOk, 4);
  buttons.cancel = new winlib::CBmpButton(dialog);
  buttons.cancel->Create(winlib::kPushStyle, QRect(cancel, QSize(1, 1)), dialog, winlib::kIdCancelCommand,
                         resources::kButtonCancel, 3);
  return buttons;
}

winlib::CBmpButton *addTextButton(QWidget *parent, int command, const QString &caption, QPoint at,
                                  QSize size) {
  auto *button = new winlib::CBmpButton(parent);
  button->Create(winlib::kPushDisabledStyle, QRect(at, size), parent, command,
                 resources::renderTextButtonStrip(caption, size, 4), 4);
  return button;
}

void drawLabels(QPainter &painter, const std::vector<DialogLabel> &labels) {
  painter.setFont(resources::dialogFont());
  painter.setPen(Qt::black);
  const QFontMetrics metrics(painter.font());
  for (const DialogLabel &label : labels) {
    painter.drawText(label.x, label.y + metrics.ascent(), label.text);
  }
}

} // namespace pdx::features
