// A phone whose every exchange runs under the wait cursor with a window
// (or a set of controls) disabled, as the pages do while they wait for the
// phone.
#pragma once

#include "features/common/phonebook_phone.h"
#include "features/common/ui/busy_widgets.h"

namespace pdx::features {

class BusyPhone : public PhonebookPhone {
public:
  explicit BusyPhone(PhonebookPhone &phone) : phone_(phone) {}
  // The widgets disabled during each exchange.
  void setBusyWidgets(std::vector<QWidget *> widgets) { busy_.set(std::move(widgets)); }
  bool busy() const { return busy_.busy(); }

  bool writeEntry(int slot, const core::PhoneBookEntry &entry) override;
  bool writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) override;
  bool writeSpeedDials(const core::SpeedDialTable &table) override;

private:
  PhonebookPhone &phone_;
  BusyWidgets busy_;
};

} // namespace pdx::features
