// Gregorian dates to Korean lunar dates for 30 January 1881 to the end of
// 2043, from the table of month codes of the published lunisolar calendar.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>

namespace pdx::calendar {

inline constexpr int kLunarFirstYear = 1881;
inline constexpr int kLunarLastYear = 2043;
inline constexpr int kLunarYears = kLunarLastYear - kLunarFirstYear + 1;

// Month codes: 0 no month (the 13th of a year without a leap month), 1 a
// month of 29 days, 2 of 30 days, 3 a leap month of 29 days, 4 a leap month
// of 30 days.
enum LunarMonthCode : std::uint8_t { kNoMonth = 0, kShort = 1, kLong = 2, kLeapShort = 3, kLeapLong = 4 };

// The thirteen codes of a lunar year in [kLunarFirstYear, kLunarLastYear].
std::span<const std::uint8_t, 13> lunarMonthCodes(int lunarYear);

struct LunarDate {
  int year = 0;
  int month = 0; // 1 to 12; a leap month carries the number it repeats
  int day = 0;   // 1 to 30
  bool leap = false;

  friend bool operator==(const LunarDate &, const LunarDate &) = default;
};

// "2001-4-1" or "2001-4(leap)-1", for test and log output.
std::ostream &operator<<(std::ostream &out, const LunarDate &date);

// The lunar date of a Gregorian date, or nothing for an invalid date, a
// year outside 1881 to 2043, or a day of January 1881 before the 30th (the
// first lunar day of the table).
std::optional<LunarDate> toLunar(int year, int month, int day);

} // namespace pdx::calendar
