#include "features/groups/ui/busy_phone.h"

namespace pdx::features {

bool BusyPhone::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  return busy_.run([&] { return phone_.writeEntry(slot, entry); });
}

bool BusyPhone::writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) {
  return busy_.run([&] { return phone_.writeGroup(table, id, group); });
}

bool BusyPhone::writeSpeedDials(const core::SpeedDialTable &table) {
  return busy_.run([&] { return phone_.writeSpeedDials(table); });
}

} // namespace pdx::features
