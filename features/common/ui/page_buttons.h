// The picture buttons of pages and dialogs: text buttons drawn from a
// caption, and the skin's own buttons whose picture carries the command's id.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

// A push button with a text caption sending `command` to `parent`; a
// caption too wide for one line is drawn on two.
winlib::CBmpButton *addTextButton(QWidget *parent, int command, const QString &caption, QPoint at,
                                  QSize size = QSize(62, 24));
// A button of the program's own picture `command` (a text button of the
// skin) at `at`, sending `command` to `parent`, named `accessibleName`.
winlib::CBmpButton *addSkinButton(QWidget *parent, int command, QPoint at, const QString &accessibleName);
// A text button of the given size, for places the skin's buttons do not fit.
winlib::CBmpButton *addCaptionButton(QWidget *parent, int command, const QString &caption, QRect rect,
                                     const QString &accessibleName);

} // namespace pdx::features
