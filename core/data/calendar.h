// Which dates exist, and the Korean time of an instant: the rules the alarm
// and message logic and pelodex-cli check dates with.
#pragma once

#include "core/data/alarm_list.h"

#include <cstdint>

namespace pdx::core {

// Days of `month` (1..12) in `year`.
int daysInMonth(int year, int month);
// Whether the date exists in the Gregorian calendar.
bool isCalendarDate(int year, int month, int day);
// Whether month and day exist in some year (29 February included).
bool isMonthDay(int month, int day);
// Korean time (UTC+9) of `utc`, in seconds since 1970-01-01 UTC.
CivilTime koreanTimeAt(int64_t utc);

} // namespace pdx::core
