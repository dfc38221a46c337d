#include "apps/pelodex/adapters/transfers_sms_phone.h"

namespace pdx::pelodex {

bool TransfersSmsPhone::done(link::Outcome outcome) {
  last_ = outcome;
  return outcome == link::Outcome::Ok;
}

bool TransfersSmsPhone::storeSms(const core::SmsMessage &message) {
  return done(transfers_.writeSms(message, link::wire::SmsOperation::Write));
}

bool TransfersSmsPhone::eraseSms(const core::SmsMessage &message) {
  return done(transfers_.writeSms(message, link::wire::SmsOperation::Erase));
}

bool TransfersSmsPhone::sendSms(const core::SmsMessage &message, std::string_view callback,
                                std::string_view recipient) {
  return done(transfers_.sendSms(message, callback, recipient));
}

} // namespace pdx::pelodex
