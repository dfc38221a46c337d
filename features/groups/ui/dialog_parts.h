// Pieces the feature dialogs share: the OK and Cancel bitmap buttons and
// labels drawn on the dialog's background.
#pragma once

#include "features/common/ui/page_buttons.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;
class QWidget;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

struct DialogLabel {
  int x;
  int y; // top of the text line
  QString text;
};

// The OK (확인, with a disabled look) and Cancel (취소) buttons at their
// top-left corners; they send the dialog's OK and Cancel commands.
struct OkCancel {
  winlib::CBmpButton *ok = nullptr;
  winlib::CBmpButton *cancel = nullptr;
};
OkCancel addOkCancel(QWidget *dialog, QPoint ok, QPoint cancel);

// Draws labels in the dialog font. A label also names, for assistive
// technology, the unnamed field that stands right of it on its line (or just
// below it) on the widget painted, so edits, combo boxes and lists carry
// the text beside them.
void drawLabels(QPainter &painter, const std::vector<DialogLabel> &labels);
void nameFieldsByLabels(QWidget *dialog, const std::vector<DialogLabel> &labels, int lineHeight);

} // namespace pdx::features
