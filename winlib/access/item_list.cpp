#include "winlib/access/item_list.h"

#include "winlib/access/accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace pdx::winlib {

namespace {

constexpr const char *kItemsProperty = "pdxAccessibleItems";
constexpr const char *kItemRoleProperty = "pdxAccessibleItemRole";

class ItemsInterface;

// One item: valid while its index is inside the list.
class ItemInterface : public QAccessibleInterface {
public:
  ItemInterface(ItemsInterface *list, int index) : list_(list), index_(index) {}
  bool isValid() const override;
  QObject *object() const override { return nullptr; }
  QWindow *window() const override;
  QAccessibleInterface *parent() const override;
  QAccessibleInterface *child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface *) const override { return -1; }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString &) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;

private:
  ItemsInterface *list_;
  int index_;
};

class ItemsInterface : public QAccessibleWidget {
public:
  ItemsInterface(QWidget *widget, AccessibleItems *items, QAccessible::Role role, QAccessible::Role itemRole)
      : QAccessibleWidget(widget, role), items_(items), itemRole_(itemRole) {}
  ~ItemsInterface() override {
    for (QAccessible::Id id : ids_) {
      QAccessible::deleteAccessibleInterface(id);
    }
  }
  const AccessibleItems *items() const { return items_; }
  QWidget *owner() const { return widget(); }
  QAccessible::Role itemRole() const { return itemRole_; }

  int childCount() const override { return items_->AccessibleItemCount(); }
  QAccessibleInterface *child(int index) const override {
    if (index < 0 || index >= childCount()) {
      return nullptr;
    }
    while (static_cast<int>(ids_.size()) <= index) {
      auto *item = new ItemInterface(const_cast<ItemsInterface *>(this), static_cast<int>(ids_.size()));
      ids_.push_back(QAccessible::registerAccessibleInterface(item));
    }
    return QAccessible::accessibleInterface(ids_[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface *child) const override {
    for (size_t i = 0; i < ids_.size(); ++i) {
      if (QAccessible::accessibleInterface(ids_[i]) == child) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  QAccessibleInterface *childAt(int x, int y) const override {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i) {
      if (items_->AccessibleItemRect(i).contains(local)) {
        return child(i);
      }
    }
    return nullptr;
  }

private:
  AccessibleItems *items_;
  QAccessible::Role itemRole_;
  mutable std::vector<QAccessible::Id> ids_;
};

bool ItemInterface::isValid() const {
  return list_->isValid() && index_ < list_->childCount();
}

QWindow *ItemInterface::window() const {
  return list_->window();
}

QAccessibleInterface *ItemInterface::parent() const {
  return list_;
}

QString ItemInterface::text(QAccessible::Text t) const {
  if (!isValid()) {
    return {};
  }
  if (t == QAccessible::Name) {
    return list_->items()->AccessibleItemText(index_);
  }
  return t == QAccessible::Description ? list_->items()->AccessibleItemDescription(index_) : QString();
}

QRect ItemInterface::rect() const {
  const QRect local = isValid() ? list_->items()->AccessibleItemRect(index_) : QRect();
  return local.isEmpty() ? QRect() : QRect(list_->owner()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role ItemInterface::role() const {
  return list_->itemRole();
}

QAccessible::State ItemInterface::state() const {
  QAccessible::State s;
  s.selectable = true;
  s.focusable = true;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  s.selected = list_->items()->AccessibleItemSelected(index_);
  s.focused = list_->owner()->hasFocus() && list_->items()->AccessibleCurrentItem() == index_;
  s.invisible = list_->items()->AccessibleItemRect(index_).isEmpty();
  s.offscreen = s.invisible;
  return s;
}

} // namespace

QAccessibleInterface *CreateItemsInterface(QWidget *widget) {
  const QVariant items = widget->property(kItemsProperty);
  if (!items.isValid()) {
    return nullptr;
  }
  return new ItemsInterface(
      widget, reinterpret_cast<AccessibleItems *>(items.value<quintptr>()),
      static_cast<QAccessible::Role>(widget->property(kItemRoleProperty).toInt() >> 16),
      static_cast<QAccessible::Role>(widget->property(kItemRoleProperty).toInt() & 0xFFFF));
}

void SetAccessibleItems(QWidget *widget, AccessibleItems *items, QAccessible::Role role,
                        QAccessible::Role itemRole) {
  InstallAccessibility();
  widget->setProperty(kItemsProperty, QVariant::fromValue(reinterpret_cast<quintptr>(items)));
  widget->setProperty(kItemRoleProperty, (static_cast<int>(role) << 16) | static_cast<int>(itemRole));
}

void AnnounceCurrentItem(QWidget *widget) {
  if (!QAccessible::isActive()) {
    return;
  }
  auto *items = reinterpret_cast<AccessibleItems *>(widget->property(kItemsProperty).value<quintptr>());
  QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
  if (items == nullptr || iface == nullptr) {
    return;
  }
  const int current = items->AccessibleCurrentItem();
  QAccessibleEvent selection(widget, QAccessible::SelectionWithin);
  QAccessible::updateAccessibility(&selection);
  if (widget->hasFocus() && current >= 0) {
    QAccessibleEvent focus(widget, QAccessible::Focus);
    focus.setChild(current);
    QAccessible::updateAccessibility(&focus);
  }
}

} // namespace pdx::winlib
