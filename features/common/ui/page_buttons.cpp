#include "features/common/ui/page_buttons.h"

#include "resources/fonts.h"
#include "resources/palette.h"
#include "resources/renderer.h"
#include "resources/resource_table.h"
#include "winlib/bmp_button.h"

#include <QFontMetrics>
#include <QPainter>

namespace pdx::features {

namespace {

// A text button strip; a caption too wide for one line is drawn on two.
QImage textButtonStrip(const QString &caption, QSize size, int frames) {
  const QFont font = resources::font(QStringLiteral("굴림"), size.height() >= 30 ? 9.5 : 9, true);
  if (QFontMetrics(font).horizontalAdvance(caption) <= size.width() - 8) {
    return resources::renderTextButtonStrip(caption, size, frames);
  }
  QImage strip = resources::renderTextButtonStrip(QString(), size, frames);
  QPainter painter(&strip);
  QFont small = font;
  small.setPointSizeF(8.5);
  painter.setFont(small);
  for (int i = 0; i < frames; ++i) {
    painter.setPen(i == 3   ? resources::palette::disabledInk()
                   : i == 1 ? resources::palette::blueDeep()
                            : resources::palette::ink());
    const QRect face(i * size.width() + 2, 2, size.width() - 4, size.height() - 4);
    painter.drawText(face, Qt::AlignCenter | Qt::TextWordWrap, caption);
  }
  return strip;
}

} // namespace

winlib::CBmpButton *addTextButton(QWidget *parent, int command, const QString &caption, QPoint at,
                                  QSize size) {
  auto *button = new winlib::CBmpButton(parent);
  button->setAccessibleName(caption);
  button->Create(winlib::kPushDisabledStyle, QRect(at, size), parent, command,
                 textButtonStrip(caption, size, 4), 4);
  return button;
}

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

} // namespace pdx::features
