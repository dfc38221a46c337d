#include "features/sms/ui/button_keys.h"

#include "features/common/ui/symbol_palette.h"
#include "winlib/bmp_button.h"
#include "winlib/command_target.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace pdx::features {

ButtonKeys::ButtonKeys(QWidget *window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void ButtonKeys::add(winlib::CBmpButton *button) {
  button->setFocusPolicy(Qt::TabFocus);
  button->installEventFilter(this);
}

void ButtonKeys::addAll() {
  for (auto *button : parentWidget()->findChildren<winlib::CBmpButton *>(Qt::FindDirectChildrenOnly)) {
    add(button);
  }
}

void ButtonKeys::add(SymbolPalette *palette) {
  palette->setFocusPolicy(Qt::TabFocus);
  palette->installEventFilter(this);
}

void ButtonKeys::frame(QWidget *control) {
  if (control->hasFocus()) {
    setGeometry(control->geometry().adjusted(-2, -2, 2, 2));
    raise();
    show();
  }
}

bool ButtonKeys::press(QObject *control) {
  if (auto *palette = qobject_cast<SymbolPalette *>(control)) {
    if (palette->selection() >= 0) {
      Q_EMIT palette->symbolChosen(palette->selection());
    }
    return true;
  }
  auto *button = static_cast<winlib::CBmpButton *>(control);
  auto *target = dynamic_cast<winlib::CommandTarget *>(button->parentWidget());
  if (target != nullptr && button->State() != winlib::ButtonState::Disabled) {
    target->OnCommand(button->CommandId(), winlib::kNotifyCommand);
  }
  return true;
}

bool ButtonKeys::step(QObject *control, int key) {
  auto *palette = qobject_cast<SymbolPalette *>(control);
  if (palette == nullptr || (key != Qt::Key_Left && key != Qt::Key_Right)) {
    return false;
  }
  const int next = palette->selection() + (key == Qt::Key_Left ? -1 : 1);
  palette->setSelection(std::clamp(next, 0, kSymbolCount - 1));
  return true;
}

bool ButtonKeys::eventFilter(QObject *watched, QEvent *event) {
  switch (event->type()) {
  case QEvent::FocusIn:
  case QEvent::Move:
  case QEvent::Resize:
    frame(static_cast<QWidget *>(watched));
    break;
  case QEvent::FocusOut:
  case QEvent::Hide:
    hide();
    break;
  case QEvent::KeyPress: {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
      return press(watched); // the window may be gone now
    }
    if (step(watched, key)) {
      return true;
    }
    break;
  }
  default:
    break;
  }
  return QWidget::eventFilter(watched, event);
}

void ButtonKeys::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace pdx::features
