// Lets the keyboard reach a window's picture buttons, which take no focus
// of their own: Tab and Shift+Tab move between the enabled ones, Space or
// Enter presses the focused one, and a dotted frame shows where the focus
// is. The press goes to the button's parent like a click.
#pragma once

#include <QWidget>

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class ButtonKeys : public QWidget {
public:
  explicit ButtonKeys(QWidget *window);
  void add(winlib::CBmpButton *button);
  // Every picture button that is a direct child of the window.
  void addAll();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
};

} // namespace pdx::features
