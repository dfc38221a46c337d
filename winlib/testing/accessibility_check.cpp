#include "winlib/testing/accessibility_check.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <set>

namespace pdx::winlib::testing {

namespace {

bool isControl(QAccessible::Role role) {
  static constexpr QAccessible::Role kControls[] = {
      QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
      QAccessible::EditableText, QAccessible::List,     QAccessible::Table,       QAccessible::Tree,
      QAccessible::SpinBox,      QAccessible::Slider,   QAccessible::PageTab};
  return std::find(std::begin(kControls), std::end(kControls), role) != std::end(kControls);
}

bool isKorean(const QString &name) {
  bool hangul = false;
  bool letter = false;
  for (const QChar c : name) {
    hangul = hangul || (c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3) ||
             (c.unicode() >= 0x3131 && c.unicode() <= 0x318E);
    letter = letter || c.isLetter();
  }
  return hangul || (!letter && !name.trimmed().isEmpty());
}

// What the program names a control. Qt on Linux reports a combo box's shown
// item as its name: that is the user's data (an animation called "t"), so a
// combo box is judged by the name the program gave it.
QString programName(QAccessibleInterface *iface) {
  const auto *widget = qobject_cast<const QWidget *>(iface->object());
  if (iface->role() == QAccessible::ComboBox && widget != nullptr && !widget->accessibleName().isEmpty()) {
    return widget->accessibleName();
  }
  return iface->text(QAccessible::Name);
}

QString className(const QObject *object) {
  return object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("-");
}

QString describe(QAccessibleInterface *iface) {
  const QObject *object = iface->object();
  return QStringLiteral("%1 '%2' (%3 in %4)")
      .arg(qAccessibleRoleString(iface->role()), iface->text(QAccessible::Name), className(object),
           className(object ? object->parent() : nullptr));
}

struct Walk {
  std::vector<std::string> problems;
  std::vector<QWidget *> controls; // enabled widgets a keyboard user must reach

  void problem(QAccessibleInterface *iface, const char *what) {
    problems.push_back((describe(iface) + QStringLiteral(": ") + QString::fromUtf8(what)).toStdString());
  }

  void visit(QAccessibleInterface *iface, bool top) {
    if (iface == nullptr || iface->state().invisible) {
      return;
    }
    const QAccessible::Role role = iface->role();
    const int children = iface->childCount();
    if ((role == QAccessible::Client || role == QAccessible::NoRole) && children == 0) {
      problem(iface, "역할이 없습니다");
    }
    if ((top || isControl(role)) && !isKorean(programName(iface))) {
      problem(iface, "한국어 이름이 없습니다");
    }
    auto *widget = qobject_cast<QWidget *>(iface->object());
    if (!top && widget && isControl(role) && widget->isEnabled()) {
      controls.push_back(widget);
    }
    // The parts of a combo box, spin box or text box are the control's own
    // business; the items of a list are named but reached by the arrows.
    if (role == QAccessible::ComboBox || role == QAccessible::SpinBox || role == QAccessible::EditableText) {
      return;
    }
    for (int i = 0; i < children; ++i) {
      visit(iface->child(i), false);
    }
  }
};

void pressTab(QWidget *window, bool forward) {
  QWidget *target = window->focusWidget() ? window->focusWidget() : window;
  QKeyEvent event(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
  QApplication::sendEvent(target, &event);
}

// The widgets the focus visits from the current one until it comes back.
std::vector<QWidget *> cycle(QWidget *window, bool forward) {
  std::vector<QWidget *> visited;
  if (window->focusWidget() == nullptr) {
    pressTab(window, true);
  }
  QWidget *start = window->focusWidget();
  for (int i = 0; i < 500 && start != nullptr; ++i) {
    visited.push_back(window->focusWidget());
    pressTab(window, forward);
    if (window->focusWidget() == start || window->focusWidget() == visited.back()) {
      break;
    }
  }
  return visited;
}

// The widget whose accessible object the focus stands for (a combo box's
// line edit stands for the combo box).
QWidget *representative(QWidget *focus, const std::vector<QWidget *> &controls) {
  for (QWidget *w = focus; w != nullptr; w = w->parentWidget()) {
    if (std::find(controls.begin(), controls.end(), w) != controls.end()) {
      return w;
    }
  }
  return focus;
}

} // namespace

std::vector<std::string> accessibilityProblems(QWidget *window) {
  // Painted once, as on a screen: labels drawn on a dialog name its fields.
  (void)window->grab();
  QWidget *focus = window->focusWidget();
  Walk walk;
  walk.visit(QAccessible::queryAccessibleInterface(window), true);
  std::set<QWidget *> forward;
  for (QWidget *w : cycle(window, true)) {
    forward.insert(representative(w, walk.controls));
  }
  std::set<QWidget *> backward;
  for (QWidget *w : cycle(window, false)) {
    backward.insert(representative(w, walk.controls));
  }
  for (QWidget *control : walk.controls) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    if (!forward.count(control)) {
      walk.problem(iface, "Tab으로 갈 수 없습니다");
    } else if (!backward.count(control)) {
      walk.problem(iface, "Shift+Tab으로 갈 수 없습니다");
    }
  }
  if (focus != nullptr) {
    focus->setFocus(Qt::OtherFocusReason);
  }
  return walk.problems;
}

std::vector<std::string> tabOrder(QWidget *window) {
  QWidget *focus = window->focusWidget();
  std::vector<std::string> names;
  for (QWidget *w : cycle(window, true)) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    names.push_back(iface ? iface->text(QAccessible::Name).toStdString() : std::string());
  }
  if (focus != nullptr) {
    focus->setFocus(Qt::OtherFocusReason);
  }
  return names;
}

} // namespace pdx::winlib::testing
