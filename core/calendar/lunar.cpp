#include "core/calendar/lunar.h"

#include "core/calendar/gregorian.h"

#include <ostream>

namespace pdx::calendar {
namespace {

// Day number of 29 January 1881, the day before lunar 1881-01-01.
constexpr long kTableEpoch = 686685;

int monthDays(std::uint8_t code) {
  return code == kLong || code == kLeapLong ? 30 : code == kNoMonth ? 0 : 29;
}

int yearDays(int lunarYear) {
  int days = 0;
  for (const auto code : lunarMonthCodes(lunarYear)) {
    days += monthDays(code);
  }
  return days;
}

// Finds the month of lunar year `year` holding day `n` (1-based within the
// year); `n` must lie within the year.
LunarDate monthOf(int year, long n) {
  int number = 0;
  for (const auto code : lunarMonthCodes(year)) {
    const bool leap = code == kLeapShort || code == kLeapLong;
    if (!leap) {
      ++number;
    }
    if (n <= monthDays(code)) {
      return LunarDate{year, number, static_cast<int>(n), leap};
    }
    n -= monthDays(code);
  }
  return {};
}

} // namespace

std::optional<LunarDate> toLunar(int year, int month, int day) {
  if (year < kLunarFirstYear || year > kLunarLastYear || !isValidDate(year, month, day)) {
    return std::nullopt;
  }
  long n = dayNumber(year, month, day) - kTableEpoch;
  if (n < 1) {
    return std::nullopt;
  }
  for (int lunarYear = kLunarFirstYear; lunarYear <= kLunarLastYear; ++lunarYear) {
    const int days = yearDays(lunarYear);
    if (n <= days) {
      return monthOf(lunarYear, n);
    }
    n -= days;
  }
  return std::nullopt;
}

std::ostream &operator<<(std::ostream &out, const LunarDate &date) {
  return out << date.year << '-' << date.month << (date.leap ? "(leap)-" : "-") << date.day;
}

} // namespace pdx::calendar
