// The phone of the phonebook, group, speed-dial, alarm and options logic over the link's
// transfers: each write counts only when the phone answered PC_OK. Used by
// the pages and by pelodex-cli alike.
#pragma once

#include "features/alarms/alarm_ports.h"
#include "features/common/phonebook_phone.h"
#include "features/options/options_ports.h"
#include "link/transfer/transfers.h"

namespace pdx::pelodex {

class TransfersPhone : public features::PhonebookPhone,
                       public features::AlarmPhone,
                       public features::OptionsPhone {
public:
  TransfersPhone(link::PhoneTransfers &transfers, link::CPhoneLink &link)
      : transfers_(transfers), link_(link) {}

  bool writeEntry(int slot, const core::PhoneBookEntry &entry) override;
  bool writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) override;
  bool writeSpeedDials(const core::SpeedDialTable &table) override;
  bool writeAlarm(size_t position, const core::AlarmEntry &alarm) override;
  bool deleteAlarm(size_t position) override;
  bool writeOptions(const core::PhoneOptions &options) override;
  void usePassword(std::string_view digits) override;

  // How the last write ended (pelodex-cli turns it into its exit status).
  link::Outcome lastOutcome() const { return last_; }

private:
  bool record(link::Outcome outcome);

  link::PhoneTransfers &transfers_;
  link::CPhoneLink &link_;
  link::Outcome last_ = link::Outcome::Ok;
};

} // namespace pdx::pelodex
