#include "core/data/alarm_list.h"

#include "core/calendar/gregorian.h"

#include <algorithm>
#include <limits>

namespace pdx::core {

namespace {

constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
constexpr int64_t kKoreaOffsetSeconds = 9 * 3600;
constexpr int64_t kDaySeconds = 86400;

int64_t minuteOf(int year, int month, int day, int hour, int minute) {
  return calendar::daysSinceEpoch(year, month, day) * 1440 + hour * 60 + minute;
}

// The first month from (year, month) on that has `day`, at the alarm's time,
// not before `nowMinute`.
int64_t nextMonthly(int year, int month, int day, int atMinute, int64_t nowMinute, int monthStep) {
  for (int i = 0; i < 12 * 8 + 1; i += monthStep) {
    const int y = year + (month - 1 + i) / 12;
    const int m = (month - 1 + i) % 12 + 1;
    if (day >= 1 && day <= calendar::daysInMonth(y, m)) {
      const int64_t due = calendar::daysSinceEpoch(y, m, day) * 1440 + atMinute;
      if (due >= nowMinute) {
        return due;
      }
    }
  }
  return kNever;
}

} // namespace

CivilTime koreanTimeAt(int64_t utc) {
  const int64_t local = utc + kKoreaOffsetSeconds;
  const int64_t days = (local >= 0 ? local : local - (kDaySeconds - 1)) / kDaySeconds;
  const auto second = static_cast<int>(local - days * kDaySeconds);
  const calendar::Date date = calendar::dateAt(days);
  return CivilTime{date.year, date.month, date.day, second / 3600, second / 60 % 60, second % 60};
}

int64_t nextDueMinute(const AlarmEntry &a, const CivilTime &now) {
  const int64_t nowMinute = minuteOf(now.year, now.month, now.day, now.hour, now.minute);
  const int atMinute = a.hour * 60 + a.minute;
  const int64_t today = calendar::daysSinceEpoch(now.year, now.month, now.day) * 1440;
  switch (a.repeat) {
  case kOnce: {
    const int64_t due = minuteOf(a.year, a.month, a.day, a.hour, a.minute);
    return due >= nowMinute ? due : kNever;
  }
  case kDaily:
    return today + atMinute >= nowMinute ? today + atMinute : today + 1440 + atMinute;
  case kWeekly: {
    const int ahead = (a.weekday - calendar::weekdayOf(now.year, now.month, now.day) + 7) % 7;
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
