// The phonebook's phone: its writes go through the link's transfers and
// count only when the phone answered PC_OK.
#pragma once

#include "features/common/phonebook_phone.h"
#include "link/transfer/transfers.h"

namespace pdx::pelodex {
using namespace core;

class TransfersPhonebookPhone : public features::PhonebookPhone {
public:
  explicit TransfersPhonebookPhone(link::PhoneTransfers &transfers) : transfers_(transfers) {}

  bool writeEntry(int slot, const PhoneBookEntry &entry) override {
    return slot >= 0 && slot < kPhoneSlots &&
           transfers_.writePhonebookSlot(static_cast<uint8_t>(slot), entry) == link::Outcome::Ok;
  }
  bool writeGroup(const GroupTable &table, int id, const PhoneGroup &group) override {
    return transfers_.writeGroups(table, id, group) == link::Outcome::Ok;
  }
  bool writeSpeedDials(const SpeedDialTable &table) override {
    return transfers_.writeSpeedDial(table, -1, SpeedDialKey()) == link::Outcome::Ok;
  }

private:
  link::PhoneTransfers &transfers_;
};

} // namespace pdx::pelodex
