// The read-only rich-text view that shows a help topic, as the help dialog
// and the main window's help page place it.
#pragma once

class QRect;
class QTextEdit;
class QWidget;

namespace pdx::winlib {

inline constexpr int kHelpViewId = 4300;

// Creates the view at `rect`
// in `parent`: white, read-only, word-wrapped, with its vertical scroll bar
// always shown and a 3-pixel margin around the text, filled with `topic`.
QTextEdit *createHelpView(QWidget &parent, const QRect &rect, int topic);

} // namespace pdx::winlib
