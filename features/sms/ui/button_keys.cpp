#include "features/sms/ui/button_keys.h"

#include "winlib/bmp_button.h"
#include "winlib/command_target.h"

#include <QKeyEvent>
#include <QPainter>

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

bool ButtonKeys::eventFilter(QObject *watched, QEvent *event) {
  auto *button = static_cast<winlib::CBmpButton *>(watched);
  switch (event->type()) {
  case QEvent::FocusIn:
  case QEvent::Move:
  case QEvent::Resize:
    if (button->hasFocus()) {
      setGeometry(button->geometry().adjusted(-2, -2, 2, 2));
      raise();
      show();
    }
    break;
  case QEvent::FocusOut:
  case QEvent::Hide:
    hide();
    break;
  case QEvent::KeyPress: {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
      break;
    }
    auto *target = dynamic_cast<winlib::CommandTarget *>(button->parentWidget());
    if (target != nullptr && button->State() != winlib::ButtonState::Disabled) {
      target->OnCommand(button->CommandId(), winlib::kNotifyCommand);
    }
    return true;
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
