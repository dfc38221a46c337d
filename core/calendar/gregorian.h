// Gregorian calendar arithmetic (proleptic, years 1 to 9999) shared by the
// month calendar and the lunar conversion.
#pragma once

namespace pdx::calendar {

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

constexpr bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

// Day number of a valid date, 1 January of year 1 counting as 1.
constexpr long dayNumber(int year, int month, int day) {
  const long before = year - 1;
  long days = 365 * before + before / 4 - before / 100 + before / 400;
  for (int m = 1; m < month; ++m) {
    days += daysInMonth(year, m);
  }
  return days + day;
}

// Weekday of a valid date, Sunday = 0 to Saturday = 6.
constexpr int weekdayOf(int year, int month, int day) {
  return static_cast<int>(dayNumber(year, month, day) % 7);
}

} // namespace pdx::calendar
