// What assistive technology sees of the skinned windows: the library's
// controls report a role, a Korean name and their states through Qt's
// accessibility interfaces, and plain widgets can be given a role.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace pdx::winlib {

// Installs the interfaces of the library's controls; safe to call often.
// The library's windows and buttons call it themselves.
void InstallAccessibility();

// The Korean text a resource stands for: a button's caption, a page's or
// dialog caption's title, a link state. Empty when it has none.
QString ResourceName(int resourceId);

// Gives a plain widget (one without an interface of its own) a role; its
// name is its accessibleName(). Call before anything asks for the widget's
// interface (setAccessibleName does).
void SetAccessibleRole(QWidget *widget, QAccessible::Role role);

// Sets the widget's name and tells assistive technology that it changed
// (a status that changed, a count that went up).
void AnnounceName(QWidget *widget, const QString &name);

} // namespace pdx::winlib
