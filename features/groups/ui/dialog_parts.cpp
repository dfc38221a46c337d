#include "features/groups/ui/dialog_parts.h"

#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

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
