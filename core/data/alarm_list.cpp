#include "core/data/alarm_list.h"

#include "core/data/calendar.h"

#include <algorithm>
#include <ctime>
#include <limits>

namespace pdx::core {

namespace {

constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
constexpr int kKoreaOffsetSeconds = 9 * 3600;

bool isLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int64_t minuteOf(int year, int month, int day, int hour, int minute) {
  return daysFromCivil(year, month, day) * 1440 + hour * 60 + minute;
}

// The first month from (year, month) on that has `day`, at the alarm's time,
// not before `nowMinute`.
int64_t nextMonthly(int year, int month, int day, int atMinute, int64_t nowMinute, int monthStep) {
  for (int i = 0; i < 12 * 8 + 1; i += monthStep) {
    const int y = year + (month - 1 + i) / 12;
    const int m = (month - 1 + i) % 12 + 1;
    if (day >= 1 && day <= daysInMonth(y, m)) {
      const int64_t due = daysFromCivil(y, m, day) * 1440 + atMinute;
      if (due >= nowMinute) {
        return due;
      }
    }
  }
  return kNever;
}

} // namespace

int64_t daysFromCivil(int year, int month, int day) {
  // Howard Hinnant's days_from_civil.
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yoe = year - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[(month - 1) % 12];
}

bool isCalendarDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

bool isMonthDay(int month, int day) {
  return isCalendarDate(2000, month, day); // a leap year
}

int weekdayOf(int year, int month, int day) {
  const int64_t days = daysFromCivil(year, month, day);
  return static_cast<int>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
}

CivilTime CivilTime::nowInKorea() {
  return koreanTimeAt(std::time(nullptr));
}

CivilTime koreanTimeAt(int64_t utc) {
  const std::time_t shifted = static_cast<std::time_t>(utc + kKoreaOffsetSeconds);
  std::tm tm{};
  ::gmtime_r(&shifted, &tm);
  return CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

int64_t nextDueMinute(const AlarmEntry &a, const CivilTime &now) {
  const int64_t nowMinute = minuteOf(now.year, now.month, now.day, now.hour, now.minute);
  const int atMinute = a.hour * 60 + a.minute;
  const int64_t today = daysFromCivil(now.year, now.month, now.day) * 1440;
  switch (a.repeat) {
  case kOnce: {
    const int64_t due = minuteOf(a.year, a.month, a.day, a.hour, a.minute);
    return due >= nowMinute ? due : kNever;
  }
  case kDaily:
    return today + atMinute >= nowMinute ? today + atMinute : today + 1440 + atMinute;
  case kWeekly: {
    const int ahead = (a.weekday - weekdayOf(now.year, now.month, now.day) + 7) % 7;
    const int64_t due = today + ahead * 1440 + atMinute;
    return due >= nowMinute ? due : due + 7 * 1440;
  }
  case kMonthly:
    return nextMonthly(now.year, now.month, a.day, atMinute, nowMinute, 1);
  case kYearly:
    return nextMonthly(now.year, a.month, a.day, atMinute, nowMinute, 12);
  default:
    return kNever;
  }
}

size_t AlarmList::insert(AlarmEntry alarm, const CivilTime &now) {
  alarm.normalise();
  const int64_t due = nextDueMinute(alarm, now);
  const auto at = std::find_if(alarms_.begin(), alarms_.end(),
                               [&](const AlarmEntry &a) { return nextDueMinute(a, now) > due; });
  const size_t index = static_cast<size_t>(at - alarms_.begin());
  alarms_.insert(at, alarm);
  return index;
}

} // namespace pdx::core
