// What the phonebook, group and speed-dial logic needs from the phone: the
// writes of their records. The program's adapter implements it over the
// link; tests script it.
#pragma once

#include "core/data/lists.h"
#include "core/data/records.h"

namespace pdx::features {

class PhonebookPhone {
public:
  virtual ~PhonebookPhone() = default;
  // Each write counts only when the phone accepted it.
  virtual bool writeEntry(int slot, const core::PhoneBookEntry &entry) = 0;
  // Writes group `group` under `id`; `table` is the group table it belongs to.
  virtual bool writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) = 0;
  virtual bool writeSpeedDials(const core::SpeedDialTable &table) = 0;
};

} // namespace pdx::features
