#include "core/base/phone_number.h"

#include <algorithm>
#include <span>

namespace pdx::text {

namespace {

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == '.' || c == '-' || c == '/' || c == '(' || c == ')';
}

bool isDialChar(char c) {
  return (c >= '0' && c <= '9') || c == '#' || c == '*' || c == 'p' || c == 'P';
}

// "+82 (0)10 ..." and "+82 10 ..." both become "010 ...".
std::string withoutCountryCode(std::string_view number) {
  if (!number.starts_with("+82")) {
    return std::string(number);
  }
  number.remove_prefix(3);
  while (!number.empty() && isSeparator(number.front()) && number.front() != '(') {
    number.remove_prefix(1);
  }
  if (number.starts_with("(0)")) {
    number.remove_prefix(3);
  }
  while (!number.empty() && isSeparator(number.front())) {
    number.remove_prefix(1);
  }
  if (number.starts_with('0')) {
    number.remove_prefix(1);
  }
  return "0" + std::string(number);
}

} // namespace

std::optional<std::string> dialledNumber(std::string_view written) {
  if (written.starts_with("tel:")) {
    written.remove_prefix(4);
  }
  const std::string number = withoutCountryCode(written);
  std::string out;
  bool pendingSeparator = false;
  for (char c : number) {
    if (isSeparator(c)) {
      pendingSeparator = !out.empty();
    } else if (isDialChar(c)) {
      if (pendingSeparator) {
        out.push_back('-');
      }
      pendingSeparator = false;
      out.push_back(c);
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::optional<int> fieldByPrefix(std::string_view number) {
  static constexpr std::string_view kMobile[] = {"010", "011", "016", "017", "018", "019"};
  static constexpr std::string_view kPager[] = {"012", "015"};
  const auto startsWithAny = [number](std::span<const std::string_view> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view p) { return number.starts_with(p); });
  };
  if (startsWithAny(kMobile)) {
    return kMobileField;
  }
  return startsWithAny(kPager) ? std::optional<int>(kPagerField) : std::nullopt;
}

} // namespace pdx::text
