// The screen-reader check of a window, for widget tests: walks the window's
// accessibility tree as assistive technology sees it and Tabs through the
// window as a keyboard user would.
//
// A window passes when
// - it and every visible object in it have a role (no unnamed "filler":
//   a leaf reported as Client or NoRole),
// - every control (buttons, edits, lists, check boxes, ...) and the window
//   itself have a Korean name: not empty, and Hangul or no letters at all
//   ("확인", "1", "PC의 데이터"; not "OK"),
// - every enabled visible control that is a widget is reached by Tab, and
//   Shift+Tab goes back through the same controls.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace pdx::winlib::testing {

// One line per problem ("버튼 '' (QPushButton): 이름이 없습니다"); empty
// when the window passes. The window must be shown; it is painted once.
std::vector<std::string> accessibilityProblems(QWidget *window);

// The names of the controls in Tab order, starting from the focus.
std::vector<std::string> tabOrder(QWidget *window);

} // namespace pdx::winlib::testing
