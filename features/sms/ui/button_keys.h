// Lets the keyboard reach a window's picture buttons, which take no focus
// of their own: Tab and Shift+Tab move between the enabled ones, Space or
// Enter presses the focused one, and a dotted frame shows where the focus
// is. The press goes to the button's parent like a click. A symbol palette
// joins the same way: Left and Right move its selection, Space or Enter
// chooses the selected symbol.
#pragma once

#include <QWidget>

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {
class SymbolPalette;
}

namespace pdx::features {

class ButtonKeys : public QWidget {
public:
  explicit ButtonKeys(QWidget *window);
  void add(winlib::CBmpButton *button);
  // Every picture button that is a direct child of the window.
  void addAll();
  void add(SymbolPalette *palette);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  void frame(QWidget *control);
  static bool press(QObject *control);
  static bool step(QObject *control, int key);
};

} // namespace pdx::features
