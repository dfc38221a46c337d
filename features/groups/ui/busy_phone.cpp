#include "features/groups/ui/busy_phone.h"

#include <QApplication>

namespace pdx::features {

void BusyPhone::setBusyWidgets(std::vector<QWidget *> widgets) {
  widgets_.assign(widgets.begin(), widgets.end());
}

template <typename Write> bool BusyPhone::whileBusy(Write write) {
  std::vector<QPointer<QWidget>> disabled;
  for (const QPointer<QWidget> &w : widgets_) {
    if (w && w->isEnabled()) {
      w->setEnabled(false);
      disabled.push_back(w);
    }
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  const bool ok = write();
  busy_ = false;
  QApplication::restoreOverrideCursor();
  for (const QPointer<QWidget> &w : disabled) {
    if (w) {
      w->setEnabled(true);
    }
  }
  return ok;
}

bool BusyPhone::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  return whileBusy([&] { return phone_.writeEntry(slot, entry); });
}

bool BusyPhone::writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) {
  return whileBusy([&] { return phone_.writeGroup(table, id, group); });
}

bool BusyPhone::writeSpeedDials(const core::SpeedDialTable &table) {
  return whileBusy([&] { return phone_.writeSpeedDials(table); });
}

} // namespace pdx::features
