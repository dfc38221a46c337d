#include "features/groups/ui/dialog_parts.h"

#include "resources/fonts.h"
#include "resources/palette.h"
#include "resources/renderer.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

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
  button->setAccessibleName(caption);
  button->Create(winlib::kPushDisabledStyle, QRect(at, size), parent, command,
                 textButtonStrip(caption, size, 4), 4);
  return button;
}

void drawLabels(QPainter &painter, const std::vector<DialogLabel> &labels) {
  painter.setFont(resources::dialogFont());
  painter.setPen(Qt::black);
  const QFontMetrics metrics(painter.font());
  for (const DialogLabel &label : labels) {
    painter.drawText(label.x, label.y + metrics.ascent(), label.text);
  }
  if (auto *widget = dynamic_cast<QWidget *>(painter.device())) {
    nameFieldsByLabels(widget, labels, metrics.height());
  }
}

namespace {

// The field a label at `line` (its text's box) names: the nearest unnamed
// field right of it on its line, else one starting just below it.
QWidget *fieldOf(QWidget *dialog, const QRect &line) {
  QWidget *best = nullptr;
  for (QWidget *child : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    if (!child->isVisibleTo(dialog) || child->focusPolicy() == Qt::NoFocus ||
        qobject_cast<QAbstractButton *>(child) || qobject_cast<winlib::CBmpButton *>(child)) {
      continue;
    }
    const QRect g = child->geometry();
    const bool beside = g.left() >= line.left() && g.top() <= line.bottom() && g.bottom() >= line.top();
    const bool below =
        std::abs(g.left() - line.left()) <= 30 && g.top() >= line.top() && g.top() <= line.bottom() + 30;
    if ((beside || below) && (best == nullptr || g.left() + g.top() < best->x() + best->y())) {
      best = child;
    }
  }
  return best;
}

} // namespace

void nameFieldsByLabels(QWidget *dialog, const std::vector<DialogLabel> &labels, int lineHeight) {
  for (const DialogLabel &label : labels) {
    QWidget *field = fieldOf(dialog, QRect(label.x, label.y, 1, lineHeight));
    QString name = label.text;
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' '))) {
      name.chop(1);
    }
    if (field != nullptr && field->accessibleName().isEmpty() && !name.isEmpty()) {
      field->setAccessibleName(name);
    }
  }
}

} // namespace pdx::features
