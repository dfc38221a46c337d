#include "winlib/testing/type_text.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QWidget>

namespace pdx::winlib::testing {

bool typeText(QWidget *widget, const QString &text) {
  QWidget *target = widget->focusWidget() ? widget->focusWidget() : widget;
  if (!target->testAttribute(Qt::WA_InputMethodEnabled)) {
    return false;
  }
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(target, &event);
  return true;
}

} // namespace pdx::winlib::testing
