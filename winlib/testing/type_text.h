// Typing text in widget tests. QTest::keyClicks aborts on Hangul in Qt 6.4;
// a committed input-method string types any text, as a Korean input method
// would.
#pragma once

#include <QString>

class QWidget;

namespace pdx::winlib::testing {

// Delivers `text` to `widget` (or to its focus widget) as one input-method
// commit. Returns false when the widget does not take input-method text.
bool typeText(QWidget *widget, const QString &text);

} // namespace pdx::winlib::testing
