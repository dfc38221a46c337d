// Numbers between the modem's form (digits with a type: 145 international,
// 129 unknown, the usual type of a number dialled at home) and the form
// Korean users dial, which the phonebook keeps ("+82 10 1234 5678" is
// "010-1234-5678").
#pragma once

#include "link/at/sms_fields.h"

#include <string>
#include <string_view>

namespace pdx::at {

inline constexpr int kTypeInternational = 145;
inline constexpr int kTypeUnknown = 129;

// A number the modem reports: Korean numbers as dialled at home, others
// with their '+'. Characters a number cannot hold are dropped.
std::string numberFromModem(std::string_view digits, int type);
std::string numberFromModem(const SmsAddress &address);

// The digits and type the modem wants for a number as the user wrote it:
// separators dropped, a leading '+' made the international type. An
// address with any other character is alphanumeric text.
struct ModemNumber {
  std::string digits;
  int type = kTypeUnknown;
};
ModemNumber numberForModem(std::string_view written);
SmsAddress addressForModem(std::string_view written);

} // namespace pdx::at
