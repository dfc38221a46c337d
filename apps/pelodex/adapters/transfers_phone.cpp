#include "apps/pelodex/adapters/transfers_phone.h"

#include "link/connection/password.h"

namespace pdx::pelodex {

bool TransfersPhone::record(link::Outcome outcome) {
  last_ = outcome;
  return outcome == link::Outcome::Ok;
}

bool TransfersPhone::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  if (slot < 0 || slot >= core::kPhoneSlots) {
    return false;
  }
  return record(transfers_.writePhonebookSlot(static_cast<uint8_t>(slot), entry));
}

bool TransfersPhone::writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) {
  return record(transfers_.writeGroups(table, id, group));
}

bool TransfersPhone::writeSpeedDials(const core::SpeedDialTable &table) {
  return record(transfers_.writeSpeedDial(table, -1, core::SpeedDialKey()));
}

bool TransfersPhone::writeAlarm(size_t position, const core::AlarmEntry &alarm) {
  return record(transfers_.writeAlarm(position, alarm));
}

bool TransfersPhone::deleteAlarm(size_t position) {
  return record(transfers_.deleteAlarm(position));
}

bool TransfersPhone::writeOptions(const core::PhoneOptions &options) {
  return record(transfers_.writeOptions(options));
}

void TransfersPhone::usePassword(std::string_view digits) {
  if (link::isValidPassword(digits)) {
    link_.setPassword(digits);
  }
}

} // namespace pdx::pelodex
