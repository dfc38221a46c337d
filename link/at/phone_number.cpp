#include "link/at/phone_number.h"

#include "core/base/phone_number.h"

#include <algorithm>

namespace pdx::at {

namespace {

bool isDigitLike(char c) {
  return (c >= '0' && c <= '9') || c == '*' || c == '#' || c == 'p' || c == 'P';
}

bool isNumberChar(char c) {
  return isDigitLike(c) || std::string_view(" \t-./()+").find(c) != std::string_view::npos;
}

std::string digitsOnly(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (isDigitLike(c)) {
      out.push_back(c);
    }
  }
  return out;
}

} // namespace

std::string numberFromModem(std::string_view digits, int type) {
  const bool international = type == kTypeInternational || digits.starts_with('+');
  const std::string number = (international ? "+" : "") + digitsOnly(digits);
  if (number.starts_with("+82")) {
    return text::dialledNumber(number).value_or(number);
  }
  return number;
}

std::string numberFromModem(const SmsAddress &address) {
  if (address.type == NumberType::Alphanumeric) {
    return address.value;
  }
  return numberFromModem(address.value,
                         address.type == NumberType::International ? kTypeInternational : kTypeUnknown);
}

ModemNumber numberForModem(std::string_view written) {
  const size_t start = written.find_first_not_of(" \t");
  const bool international = start != std::string_view::npos && written[start] == '+';
  return {digitsOnly(written), international ? kTypeInternational : kTypeUnknown};
}

SmsAddress addressForModem(std::string_view written) {
  if (!std::all_of(written.begin(), written.end(), isNumberChar)) {
    return {NumberType::Alphanumeric, std::string(written)};
  }
  const ModemNumber number = numberForModem(written);
  return {number.type == kTypeInternational ? NumberType::International : NumberType::Unknown, number.digits};
}

} // namespace pdx::at
