#include "apps/pelodex/adapters/at_phones.h"

namespace pdx::pelodex {

bool AtPhonebookPhone::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  last_ = session_.writeEntry(slot, entry);
  return last_.ok();
}

bool AtSmsPhone::done(at::AtResult result) {
  last_ = result;
  return result.ok();
}

bool AtSmsPhone::storeSms(const core::SmsMessage &message) {
  return done(session_.storeMessage(message));
}

bool AtSmsPhone::eraseSms(const core::SmsMessage &message) {
  return done(session_.eraseMessage(message));
}

bool AtSmsPhone::sendSms(const core::SmsMessage &message, std::string_view, std::string_view recipient) {
  return done(session_.sendText(recipient, session_.textOf(message)));
}

} // namespace pdx::pelodex
