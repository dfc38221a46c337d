// Gregorian calendar arithmetic (proleptic): the one place that knows which
// dates exist, shared by the month calendar, the lunar conversion, the
// alarms, the messages and the phone's time values.
#pragma once

#include <cstdint>

namespace pdx::calendar {

struct Date {
  int year;
  int month;
  int day;
};

constexpr bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days of `month` (1 to 12) in `year`; 0 for a month outside 1 to 12.
constexpr int daysInMonth(int year, int month) {
  switch (month) {
  case 4:
  case 6:
  case 9:
  case 11:
    return 30;
  case 2:
    return isLeapYear(year) ? 29 : 28;
  default:
    return month >= 1 && month <= 12 ? 31 : 0;
  }
}

// Whether the date exists, years 1 to 9999.
constexpr bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

// Whether month and day exist in some year (29 February included).
constexpr bool isMonthDay(int month, int day) {
  return day >= 1 && day <= daysInMonth(2000, month);
}

// Days from 1970-01-01 to a date with `month` 1 to 12, of any year
// (negative before 1970).
constexpr int64_t daysSinceEpoch(int year, int month, int day) {
  // Howard Hinnant's days_from_civil: years counted from March.
  const int64_t y = year - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The date `days` after 1970-01-01 (before it when negative).
constexpr Date dateAt(int64_t days) {
  // Howard Hinnant's civil_from_days.
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

// Day number of a valid date, 1 January of year 1 counting as 1.
constexpr long dayNumber(int year, int month, int day) {
  return static_cast<long>(daysSinceEpoch(year, month, day) - daysSinceEpoch(1, 1, 1) + 1);
}

// Weekday of a date, Sunday = 0 to Saturday = 6.
constexpr int weekdayOf(int year, int month, int day) {
  return static_cast<int>(((daysSinceEpoch(year, month, day) % 7) + 11) % 7); // 1970-01-01 was a Thursday
}

} // namespace pdx::calendar
