// A phone whose every exchange runs under the wait cursor with a window
// (or a set of controls) disabled, as the pages do while they wait for the
// phone.
#pragma once

#include "features/phonebook/phonebook_ports.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace pdx::features {

class BusyPhone : public PhonebookPhone {
public:
  explicit BusyPhone(PhonebookPhone &phone) : phone_(phone) {}
  // The widgets disabled during each exchange.
  void setBusyWidgets(std::vector<QWidget *> widgets);
  bool busy() const { return busy_; }

  bool writeEntry(int slot, const core::PhoneBookEntry &entry) override;
  bool writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) override;
  bool writeSpeedDials(const core::SpeedDialTable &table) override;

private:
  template <typename Write> bool whileBusy(Write write);

  PhonebookPhone &phone_;
  std::vector<QPointer<QWidget>> widgets_;
  bool busy_ = false;
};

} // namespace pdx::features
