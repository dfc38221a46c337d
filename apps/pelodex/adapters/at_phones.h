// The pages' phone ports over an AT session. An AT phone has no groups, no
// speed dials and none of the original handset's records: group writes
// count as done (groups stay Pelodex's own), speed-dial writes are refused.
#pragma once

#include "apps/pelodex/adapters/at_session.h"
#include "features/common/phonebook_phone.h"
#include "features/sms/sms_ports.h"

namespace pdx::pelodex {

class AtPhonebookPhone : public features::PhonebookPhone {
public:
  explicit AtPhonebookPhone(AtSession &session) : session_(session) {}

  bool writeEntry(int slot, const core::PhoneBookEntry &entry) override;
  bool writeGroup(const core::GroupTable &, int, const core::PhoneGroup &) override { return true; }
  bool writeSpeedDials(const core::SpeedDialTable &) override { return false; }

  // How the last write ended.
  const at::AtResult &lastResult() const { return last_; }

private:
  AtSession &session_;
  at::AtResult last_;
};

class AtSmsPhone : public features::SmsPhone {
public:
  explicit AtSmsPhone(AtSession &session) : session_(session) {}

  bool storeSms(const core::SmsMessage &message) override;
  bool eraseSms(const core::SmsMessage &message) override;
  // The network names the sender: `callback` is not sent.
  bool sendSms(const core::SmsMessage &message, std::string_view callback,
               std::string_view recipient) override;

  const at::AtResult &lastResult() const { return last_; }

private:
  bool done(at::AtResult result);

  AtSession &session_;
  at::AtResult last_;
};

} // namespace pdx::pelodex
