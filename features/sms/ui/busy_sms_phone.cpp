#include "features/sms/ui/busy_sms_phone.h"

namespace pdx::features {

bool BusySmsPhone::storeSms(const core::SmsMessage &message) {
  return busy_.run([&] { return phone_.storeSms(message); });
}

bool BusySmsPhone::eraseSms(const core::SmsMessage &message) {
  return busy_.run([&] { return phone_.eraseSms(message); });
}

bool BusySmsPhone::sendSms(const core::SmsMessage &message, std::string_view callback,
                           std::string_view recipient) {
  return busy_.run([&] { return phone_.sendSms(message, callback, recipient); });
}

} // namespace pdx::features
