#include "winlib/bmp_button.h"

#include "resources/resource_store.h"
#include "winlib/access/accessibility.h"
#include "winlib/command_target.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pdx::winlib {

namespace {

// The strip with the transparent colour turned see-through, unless opaque.
QImage prepared(const QImage &strip, uint32_t style, QColor transparent) {
  QImage image = strip.convertToFormat(QImage::Format_ARGB32);
  if (style & kOpaque) {
    return image;
  }
  const QRgb key = transparent.rgb() & 0xFFFFFF;
  for (int y = 0; y < image.height(); ++y) {
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == key) {
        line[x] = 0;
      }
    }
  }
  return image;
}

} // namespace

CBmpButton::CBmpButton(QWidget *parent) : QWidget(parent) {
  // Tab reaches the button; a mouse click leaves the focus where it is.
  setFocusPolicy(Qt::TabFocus);
  InstallAccessibility();
  setMouseTracking(true);
  timer_.setInterval(150);
  connect(&timer_, &QTimer::timeout, this, [this] { onTimer(); });
}

bool CBmpButton::Create(uint32_t style, const QRect &rect, QWidget *parent, int commandId, int bitmapId,
                        int frameCount, QColor transparent) {
  if (accessibleName().isEmpty()) {
    setAccessibleName(ResourceName(bitmapId));
  }
  return Create(style, rect, parent, commandId, resources::ResourceStore::instance().image(bitmapId),
                frameCount, transparent);
}

bool CBmpButton::Create(uint32_t style, const QRect &rect, QWidget *parent, int commandId,
                        const QImage &strip, int frameCount, QColor transparent) {
  if (parent && parent != parentWidget()) {
    setParent(parent);
  }
  style_ = style;
  commandId_ = commandId;
  frames_ = std::max(1, frameCount);
  strip_ = strip.isNull() ? QImage() : prepared(strip, style, transparent);
  placeAt(rect);
  show();
  return !strip_.isNull();
}

void CBmpButton::placeAt(const QRect &rect) {
  if (!(style_ & kSizeFromFrame) || strip_.isNull()) {
    setGeometry(rect);
    return;
  }
  const QSize frame(strip_.width() / frames_, strip_.height());
  const int x = (style_ & kRightAligned) ? rect.x() - frame.width() : rect.x();
  const int y = (style_ & kBottomAligned) ? rect.y() - frame.height() : rect.y();
  setGeometry(QRect(QPoint(x, y), frame));
}

int CBmpButton::CurrentFrame() const {
  return selectFrame(style_, state_, frames_, animationFrame_);
}

void CBmpButton::SetState(ButtonState state) {
  if (state == state_) {
    return;
  }
  const bool wasPressed = IsPressed();
  state_ = state;
  update();
  if (wasPressed != IsPressed() || state == ButtonState::Disabled) {
    QAccessible::State changed;
    changed.pressed = changed.checked = true;
    changed.disabled = state == ButtonState::Disabled;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void CBmpButton::Enable(bool on) {
  setEnabled(on);
  SetState(on ? ButtonState::Normal : ButtonState::Disabled);
  if (!on) {
    timer_.stop();
    pressedInside_ = false;
    hover_ = false;
  }
}

void CBmpButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  if (strip_.isNull()) {
    p.fillRect(rect(), Qt::white);
    return;
  }
  const int w = strip_.width() / frames_;
  const QRect source(CurrentFrame() * w, 0, w, strip_.height());
  const QPoint at = drawsPressOffset(style_, state_) ? QPoint(2, 2) : QPoint(0, 0);
  p.drawImage(at, strip_, source);
  if (hasFocus()) {
    p.setPen(QPen(QColor(0x10, 0x20, 0x60), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

void CBmpButton::sendToParent(int code) {
  if (auto *target = dynamic_cast<CommandTarget *>(parentWidget())) {
    target->OnCommand(commandId_, code);
  }
  if (code == kNotifyCommand) {
    Q_EMIT commandSent(commandId_);
  } else {
    Q_EMIT notified(commandId_, code);
  }
}

void CBmpButton::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || state_ == ButtonState::Disabled) {
    return;
  }
  timer_.stop();
  if (style_ & kSticky) {
    pressStickyButton();
    return;
  }
  pressedInside_ = true;
  if (!(style_ & kNoPressedLook)) {
    SetState(ButtonState::Pressed);
  }
}

void CBmpButton::pressStickyButton() {
  const StickyPress press = pressSticky(style_, state_);
  SetState(press.state);
  if (press.sendCommand) {
    sendToParent(kNotifyCommand);
  }
}

void CBmpButton::Click() {
  if (state_ == ButtonState::Disabled || !isEnabled()) {
    return;
  }
  if (style_ & kSticky) {
    pressStickyButton();
  } else {
    sendToParent(kNotifyCommand);
  }
}

void CBmpButton::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
  if (press && event->modifiers() == Qt::NoModifier && !event->isAutoRepeat() && isEnabled()) {
    Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CBmpButton::focusInEvent(QFocusEvent *event) {
  QWidget::focusInEvent(event);
  update();
}

void CBmpButton::focusOutEvent(QFocusEvent *event) {
  QWidget::focusOutEvent(event);
  update();
}

void CBmpButton::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !pressedInside_) {
    return;
  }
  pressedInside_ = false;
  const bool inside = rect().contains(event->position().toPoint());
  SetState(inside && (style_ & (kHoverFrame | kHoverFrameAnimated)) ? ButtonState::Hover
                                                                    : ButtonState::Normal);
  if (inside) {
    sendToParent(kNotifyCommand);
  }
}

void CBmpButton::mouseMoveEvent(QMouseEvent *event) {
  const bool inside = rect().contains(event->position().toPoint());
  if (pressedInside_ && !(style_ & kNoPressedLook)) {
    // A held button shows pressed only while the pointer is over it.
    SetState(inside ? ButtonState::Pressed : ButtonState::Normal);
    return;
  }
  setHover(inside);
}

void CBmpButton::enterEvent(QEnterEvent *) {
  sendToParent(kNotifyEnter);
  if (!pressedInside_) {
    setHover(true);
  }
}

void CBmpButton::leaveEvent(QEvent *) {
  sendToParent(kNotifyLeave);
  if (!pressedInside_) {
    setHover(false);
  }
}

void CBmpButton::setHover(bool over) {
  if (hover_ == over || state_ == ButtonState::Disabled || IsPressed()) {
    hover_ = over;
    return;
  }
  hover_ = over;
  if ((style_ & kAnimated) && (style_ & kAnimateOnHover)) {
    if (over) {
      animationFrame_ = 0;
      SetState(ButtonState::Animating);
      timer_.start();
    } else {
      timer_.stop();
      SetState(ButtonState::Normal);
    }
    return;
  }
  if (style_ & (kHoverLook | kHoverFrame | kHoverFrameAnimated)) {
    SetState(over ? ButtonState::Hover : ButtonState::Normal);
  }
}

void CBmpButton::onTimer() {
  animationFrame_ = (animationFrame_ + 1) % frames_;
  update();
}

} // namespace pdx::winlib
