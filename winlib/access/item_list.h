// Controls that draw their own items (a column list, a palette of symbols)
// show them to assistive technology one by one: the control answers these
// questions and SetAccessibleItems gives it a list interface whose children
// are its items, named by their texts.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

class QWidget;

namespace pdx::winlib {

class AccessibleItems {
public:
  virtual ~AccessibleItems() = default;
  virtual int AccessibleItemCount() const = 0;
  virtual QString AccessibleItemText(int index) const = 0;
  // More about the item (column names with their cells); may be empty.
  virtual QString AccessibleItemDescription(int) const { return {}; }
  // In the widget's coordinates; empty when the item is not on screen.
  virtual QRect AccessibleItemRect(int index) const = 0;
  virtual bool AccessibleItemSelected(int index) const = 0;
  // The item the keyboard stands on, or -1.
  virtual int AccessibleCurrentItem() const = 0;
};

// Call from the widget's constructor, before anything asks for its
// interface (setAccessibleName does): `items` (usually the widget itself)
// must live as long as the widget. `role` is the widget's own role (List),
// `itemRole` its items' (ListItem).
void SetAccessibleItems(QWidget *widget, AccessibleItems *items, QAccessible::Role role,
                        QAccessible::Role itemRole);

// The library's factory: the list interface of a widget given items, or
// nullptr.
QAccessibleInterface *CreateItemsInterface(QWidget *widget);

// Tells assistive technology that the current item or the selection moved.
void AnnounceCurrentItem(QWidget *widget);

} // namespace pdx::winlib
