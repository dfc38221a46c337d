#include "features/common/ui/busy_widgets.h"

#include <QApplication>

namespace pdx::features {

bool BusyWidgets::run(const std::function<bool()> &exchange) {
  std::vector<QPointer<QWidget>> disabled;
  for (const QPointer<QWidget> &w : widgets_) {
    if (w && w->isEnabled()) {
      w->setEnabled(false);
      disabled.push_back(w);
    }
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  const bool ok = exchange();
  busy_ = false;
  QApplication::restoreOverrideCursor();
  for (const QPointer<QWidget> &w : disabled) {
    if (w) {
      w->setEnabled(true);
    }
  }
  return ok;
}

} // namespace pdx::features
