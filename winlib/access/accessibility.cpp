#include "winlib/access/accessibility.h"

#include "resources/resource_table.h"
#include "winlib/access/item_list.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"
#include "winlib/bmp_wnd.h"

#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace pdx::winlib {

namespace {

constexpr const char *kRoleProperty = "pdxAccessibleRole";

QString nameOrTip(const QWidget *widget) {
  return widget->accessibleName().isEmpty() ? widget->toolTip() : widget->accessibleName();
}

// A bitmap button: a push button, or a check box when it stays pressed.
class ButtonInterface : public QAccessibleWidget {
public:
  explicit ButtonInterface(CBmpButton *button) : QAccessibleWidget(button, QAccessible::Button) {}
  CBmpButton *button() const { return static_cast<CBmpButton *>(widget()); }

  // The style may come after the interface (Create after construction).
  QAccessible::Role role() const override {
    return (button()->Style() & kSticky) ? QAccessible::CheckBox : QAccessible::Button;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? nameOrTip(button()) : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const bool sticky = (button()->Style() & kSticky) != 0;
    s.checkable = sticky;
    s.checked = sticky && button()->IsPressed();
    s.pressed = !sticky && button()->IsPressed();
    s.disabled = !button()->isEnabled();
    return s;
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled()) {
      names.prepend(pressAction());
    }
    return names;
  }
  void doAction(const QString &action) override {
    if (action == pressAction() || action == toggleAction()) {
      // Later, as a click would come: the command may run a modal dialog,
      // and the caller (another process) waits for this call to return.
      QTimer::singleShot(0, button(), [b = QPointer<CBmpButton>(button())] {
        if (b) {
          b->Click();
        }
      });
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
};

// The area a text box draws its text in: assistive technology reads the
// text from the box and sees the area as a part of it, named after it.
class TextAreaInterface : public QAccessibleWidget {
public:
  explicit TextAreaInterface(QWidget *area) : QAccessibleWidget(area, QAccessible::Client) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? nameOrTip(widget()->parentWidget()) : QAccessibleWidget::text(t);
  }

  static bool isTextArea(const QWidget *widget) {
    const auto *box = qobject_cast<const QAbstractScrollArea *>(widget->parentWidget());
    return box != nullptr && box->viewport() == widget &&
           (qobject_cast<const QPlainTextEdit *>(box) != nullptr ||
            qobject_cast<const QTextEdit *>(box) != nullptr);
  }
};

// A skinned dialog, named by its caption.
class DialogInterface : public QAccessibleWidget {
public:
  explicit DialogInterface(CBmpDialog *dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
      return QAccessibleWidget::text(t);
    }
    const auto *dialog = static_cast<const CBmpDialog *>(widget());
    if (!dialog->CaptionText().isEmpty()) {
      return dialog->CaptionText();
    }
    const QString caption = ResourceName(dialog->CaptionId());
    return caption.isEmpty() ? widget()->windowTitle() : caption;
  }
};

QAccessibleInterface *factory(const QString &key, QObject *object) {
  auto *widget = qobject_cast<QWidget *>(object);
  if (widget == nullptr) {
    return nullptr;
  }
  if (QAccessibleInterface *items = CreateItemsInterface(widget)) {
    return items;
  }
  const QVariant role = widget->property(kRoleProperty);
  if (role.isValid()) {
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
  }
  if (TextAreaInterface::isTextArea(widget)) {
    return new TextAreaInterface(widget);
  }
  if (key == QLatin1String("pdx::winlib::CBmpButton")) {
    return new ButtonInterface(static_cast<CBmpButton *>(widget));
  }
  if (key == QLatin1String("pdx::winlib::CBmpDialog")) {
    return new DialogInterface(static_cast<CBmpDialog *>(widget));
  }
  if (key == QLatin1String("pdx::winlib::CBmpWnd")) {
    return new QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Pane);
  }
  return nullptr;
}

} // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

QString ResourceName(int resourceId) {
  const resources::ResourceSpec *spec = resources::findResource(resourceId);
  if (spec == nullptr || spec->kind == resources::Kind::IconStrip) {
    return {};
  }
  return QString::fromStdString(resources::shownText(*spec));
}

void SetAccessibleRole(QWidget *widget, QAccessible::Role role) {
  InstallAccessibility();
  widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void AnnounceName(QWidget *widget, const QString &name) {
  if (widget->accessibleName() == name) {
    return;
  }
  widget->setAccessibleName(name);
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

} // namespace pdx::winlib
