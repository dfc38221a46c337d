// The connected phone as pelodex-cli's phone commands see it: the original
// handset over its frames or a phone of today over AT commands. Each call
// that fails has already said why on standard error and returns the exit
// status; 0 is success.
#pragma once

#include "apps/pelodex/adapters/at_phones.h"
#include "apps/pelodex/adapters/transfers_sms_phone.h"
#include "core/data/store.h"
#include "features/common/phone_features.h"
#include "link/session/phone_session.h"

#include <optional>
#include <string>
#include <string_view>

namespace pdx::cli {

class CliPhone {
public:
  virtual ~CliPhone() = default;

  virtual features::PhoneProtocol protocol() const = 0;
  features::PhoneFeatures features() const { return features::PhoneFeatures::of(protocol()); }
  virtual core::CDataStore &store() = 0;
  virtual int readPhonebook() = 0;
  virtual int readSms() = 0;
  // Phonebook slot `slot` as `read phonebook` numbers it; an empty entry
  // erases it.
  virtual int writeEntry(int slot, const core::PhoneBookEntry &entry) = 0;
  // `utf8` must fit the phone: one record on the original handset.
  virtual int sendText(std::string_view to, const std::optional<std::string> &callback,
                       std::string_view utf8) = 0;
  // The message pages' phone and the exit status of its last write.
  virtual features::SmsPhone &smsPhone() = 0;
  virtual int smsStatus() const = 0;
  // The default callback number of new messages.
  virtual std::string callback() const = 0;
  // A message's whole text, which its record may hold cut.
  virtual std::string wholeText(const core::SmsMessage &message) const { return message.text.utf8(); }
  // The original handset's session; nothing on an AT phone.
  virtual link::PhoneSession *native() { return nullptr; }
};

// Says that a phone of today lacks the original handset's records; the
// refusal's exit status.
int notOnAtPhone();

// The exit status for an AT result after saying what it means: 1 no answer,
// 3 PIN or PUK, 4 refused.
int atFailure(const at::AtResult &result);
// The same without a word.
int atStatus(const at::AtResult &result);

class NativeCliPhone : public CliPhone {
public:
  explicit NativeCliPhone(link::PhoneSession &session)
      : session_(session), sms_(session.transfers(), session.link()) {}

  features::PhoneProtocol protocol() const override { return features::PhoneProtocol::Native; }
  core::CDataStore &store() override { return session_.store(); }
  int readPhonebook() override;
  int readSms() override;
  int writeEntry(int slot, const core::PhoneBookEntry &entry) override;
  int sendText(std::string_view to, const std::optional<std::string> &callback,
               std::string_view utf8) override;
  features::SmsPhone &smsPhone() override { return sms_; }
  int smsStatus() const override { return link::exitStatus(sms_.lastOutcome()); }
  std::string callback() const override { return session_.link().phoneInfo(); }
  link::PhoneSession *native() override { return &session_; }

private:
  link::PhoneSession &session_;
  pelodex::TransfersSmsPhone sms_;
};

// `memory` the phonebook ("SM", "ME"), `storage` the messages' ("SM",
// "ME", "MT").
class AtCliPhone : public CliPhone {
public:
  AtCliPhone(pelodex::AtSession &session, core::CDataStore &store, std::string memory, std::string storage)
      : session_(session), store_(store), sms_(session), memory_(std::move(memory)),
        storage_(std::move(storage)) {}

  features::PhoneProtocol protocol() const override { return features::PhoneProtocol::At; }
  core::CDataStore &store() override { return store_; }
  int readPhonebook() override;
  int readSms() override;
  int writeEntry(int slot, const core::PhoneBookEntry &entry) override;
  int sendText(std::string_view to, const std::optional<std::string> &callback,
               std::string_view utf8) override;
  features::SmsPhone &smsPhone() override { return sms_; }
  int smsStatus() const override;
  std::string callback() const override { return {}; }
  std::string wholeText(const core::SmsMessage &message) const override { return session_.textOf(message); }
  pelodex::AtSession &session() { return session_; }

private:
  void tellNotes() const;

  pelodex::AtSession &session_;
  core::CDataStore &store_;
  pelodex::AtSmsPhone sms_;
  std::string memory_;
  std::string storage_;
  bool phonebookRead_ = false;
};

} // namespace pdx::cli
