#include "features/common/ui/media_page_parts.h"

#include "resources/fonts.h"
#include "resources/renderer.h"
#include "resources/resource_table.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"

#include <QKeyEvent>
#include <QPainter>

namespace pdx::features {

winlib::CBmpButton *addSkinButton(QWidget *parent, int command, QPoint at, const QString &accessibleName) {
  auto *button = new winlib::CBmpButton(parent);
  const resources::ResourceSpec *spec = resources::findResource(command);
  const int frames = spec != nullptr ? spec->frames : 3;
  button->Create(frames == 4 ? winlib::kPushDisabledStyle : winlib::kPushStyle, QRect(at, QSize(1, 1)),
                 parent, command, command, frames);
  button->setAccessibleName(accessibleName);
  return button;
}

winlib::CBmpButton *addCaptionButton(QWidget *parent, int command, const QString &caption, QRect rect,
                                     const QString &accessibleName) {
  auto *button = new winlib::CBmpButton(parent);
  button->Create(winlib::kPushDisabledStyle, rect, parent, command,
                 resources::renderTextButtonStrip(caption, rect.size(), 4), 4);
  button->setAccessibleName(accessibleName);
  return button;
}

void drawPageLabels(QPainter &painter, const std::vector<PageLabel> &labels) {
  painter.setFont(resources::font(QStringLiteral("굴림"), 10, true));
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  for (const PageLabel &label : labels) {
    painter.drawText(label.at + QPoint(0, ascent), label.text);
  }
}

int mediaMenuCommand(int id, const PageExitIds &exits) {
  switch (id) {
  case 1000:
    return exits.exit;
  case 1001:
    return exits.help;
  case 1003:
    return exits.back;
  default:
    return id;
  }
}

int mediaPageCommand(const QKeyEvent &event, const MediaPageKeys &keys, bool running) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  if (modifiers == Qt::ControlModifier) {
    return key == Qt::Key_P ? keys.play : key == Qt::Key_E ? keys.editor : 0;
  }
  if (modifiers != Qt::NoModifier) {
    return 0;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_3) {
    return keys.firstSlot + (key - Qt::Key_1);
  }
  switch (key) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return keys.play;
  case Qt::Key_F1:
    return keys.help;
  case Qt::Key_Escape:
    return running ? keys.stop : keys.back;
  default:
    return 0;
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
