// What the message pages' logic needs from the outside: the phone's message
// writes (through the link) and the clock. The user is the phonebook's
// PageUser (messages and OK/Cancel questions). The pages implement these;
// tests script them.
#pragma once

#include "core/data/records.h"

#include <string_view>

namespace pdx::features {

class SmsPhone {
public:
  virtual ~SmsPhone() = default;
  // Each counts only when the phone accepted it (one request each).
  virtual bool storeSms(const core::SmsMessage &message) = 0;
  virtual bool eraseSms(const core::SmsMessage &message) = 0;
  virtual bool sendSms(const core::SmsMessage &message, std::string_view callback,
                       std::string_view recipient) = 0;
  // The link's busy flag: an exchange is under way.
  virtual bool busy() const { return false; }
};

} // namespace pdx::features
