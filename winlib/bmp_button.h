// CBmpButton: a button drawn from a horizontal strip of equal frames. The
// style flags (winlib/rules/button_rules.h) decide which frame each state
// shows, whether the button is sticky, and how it is sized. The command and
// the enter (6) and leave (7) notifications go to the parent window when it
// is a CommandTarget, and are also announced as signals. Tab reaches the
// button (a dotted frame marks the focus) and Space or Enter presses it.
// Its accessible name is its bitmap's caption unless the caller names it.
#pragma once

#include "winlib/rules/button_rules.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

namespace pdx::winlib {

class CBmpButton : public QWidget {
  Q_OBJECT

public:
  explicit CBmpButton(QWidget *parent = nullptr);

  // `rect` is in the parent's coordinates; with kSizeFromFrame only its
  // corner counts (the right or bottom edge with kRightAligned or
  // kBottomAligned). Returns false when the bitmap does not load: the
  // button then paints white.
  bool Create(uint32_t style, const QRect &rect, QWidget *parent, int commandId, int bitmapId, int frameCount,
              QColor transparent = Qt::white);
  // The same with a picture made by the caller (buttons without a number).
  bool Create(uint32_t style, const QRect &rect, QWidget *parent, int commandId, const QImage &strip,
              int frameCount, QColor transparent = Qt::white);

  // Redraws only when the state changes.
  void SetState(ButtonState state);
  ButtonState State() const { return state_; }
  // Sets the normal or the disabled state.
  void Enable(bool on);
  bool IsPressed() const { return state_ == ButtonState::Pressed || state_ == ButtonState::HoverPressed; }
  // A whole click from the keyboard or assistive technology: the command
  // as a mouse click would send it (sticky buttons change their state).
  void Click();

  int CommandId() const { return commandId_; }
  uint32_t Style() const { return style_; }
  // The frame the current state shows.
  int CurrentFrame() const;
  // Interval of the animation timer in milliseconds (150 unless set).
  void SetAnimationInterval(int ms) { timer_.setInterval(ms); }

Q_SIGNALS:
  void commandSent(int id);
  void notified(int id, int code);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void enterEvent(QEnterEvent *event) override;
  void leaveEvent(QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  void sendToParent(int code);
  void onTimer();
  void setHover(bool over);
  void placeAt(const QRect &rect);
  void pressStickyButton();

  uint32_t style_ = 0;
  int commandId_ = 0;
  int frames_ = 1;
  QImage strip_;
  ButtonState state_ = ButtonState::Normal;
  bool pressedInside_ = false;
  bool hover_ = false;
  int animationFrame_ = 0;
  QTimer timer_;
};

} // namespace pdx::winlib
