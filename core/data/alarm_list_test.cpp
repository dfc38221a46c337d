#include "core/data/alarm_list.h"
#include "core/data/calendar.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace pdx::core {
namespace {

AlarmEntry alarm(uint16_t repeat, int month, int day, int hour, int minute, int weekday = 0) {
  AlarmEntry a;
  a.year = 1999;
  a.repeat = repeat;
  a.month = static_cast<uint8_t>(month);
  a.day = static_cast<uint8_t>(day);
  a.hour = static_cast<uint8_t>(hour);
  a.minute = static_cast<uint8_t>(minute);
  a.weekday = static_cast<uint8_t>(weekday);
  return a;
}

TEST(Calendar, WeekdaysAndDays) {
  EXPECT_EQ(daysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(weekdayOf(1970, 1, 1), 4);
  EXPECT_EQ(weekdayOf(1999, 1, 1), 5); // a Friday
  EXPECT_EQ(weekdayOf(2000, 2, 29), 2);
}

TEST(Calendar, DatesThatExist) {
  struct Case {
    int year, month, day;
    bool exists, monthDay; // in that year; in some year
  };
  const Case cases[] = {
      {2023, 2, 28, true, true},   {2023, 2, 29, false, true}, {2024, 2, 29, true, true},
      {1900, 2, 29, false, true},  {2000, 2, 29, true, true},  {2023, 2, 30, false, false},
      {2023, 4, 31, false, false}, {2023, 12, 31, true, true}, {2023, 13, 1, false, false},
      {2023, 0, 1, false, false},  {2023, 1, 0, false, false},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(isCalendarDate(c.year, c.month, c.day), c.exists) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(isMonthDay(c.month, c.day), c.monthDay) << c.month << "-" << c.day;
  }
  EXPECT_EQ(koreanTimeAt(1715941233).hour, 19); // 10:20:33 UTC
}

TEST(AlarmDueTime, EachKindRingsNextAtOrAfterNow) {
  const CivilTime now{1999, 1, 1, 12, 0, 0}; // a Friday
  const int64_t today = daysFromCivil(1999, 1, 1) * 1440;
  EXPECT_EQ(nextDueMinute(alarm(kDaily, 1, 1, 13, 0), now), today + 13 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kDaily, 1, 1, 11, 0), now), today + 1440 + 11 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kWeekly, 1, 1, 9, 0, 0), now), today + 2 * 1440 + 9 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kWeekly, 1, 1, 11, 0, 5), now), today + 7 * 1440 + 11 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kMonthly, 1, 31, 8, 0), now), daysFromCivil(1999, 1, 31) * 1440 + 8 * 60);
  // The 31st is skipped by months that lack it.
  const CivilTime feb{1999, 2, 1, 0, 0, 0};
  EXPECT_EQ(nextDueMinute(alarm(kMonthly, 1, 31, 8, 0), feb), daysFromCivil(1999, 3, 31) * 1440 + 8 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kYearly, 2, 29, 0, 0), feb), daysFromCivil(2000, 2, 29) * 1440);
}

TEST(AlarmList, OrdersByNextDueTimeWithPassedOneTimeAlarmsLast) {
  const CivilTime now{1999, 1, 1, 12, 0, 0};
  AlarmList list;
  list.insert(alarm(kOnce, 1, 1, 11, 0), now); // already passed
  list.insert(alarm(kDaily, 1, 1, 13, 0), now);
  list.insert(alarm(kOnce, 1, 1, 12, 30), now);
  const size_t at = list.insert(alarm(kDaily, 1, 1, 13, 0), now);
  EXPECT_EQ(at, 2u); // after the equal one
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].minute, 30);
  EXPECT_EQ(list[3].hour, 11);
  EXPECT_FALSE(list.full());
}

TEST(AlarmList, KoreanTimeDoesNotDependOnTheComputersZone) {
  const char *saved = std::getenv("TZ");
  const std::string restore = saved ? saved : "";
  ::setenv("TZ", "America/New_York", 1);
  ::tzset();
  const CivilTime ny = CivilTime::nowInKorea();
  ::setenv("TZ", "Asia/Seoul", 1);
  ::tzset();
  const CivilTime seoul = CivilTime::nowInKorea();
  if (saved) {
    ::setenv("TZ", restore.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
  EXPECT_EQ(ny.hour, seoul.hour);
  EXPECT_EQ(ny.day, seoul.day);
}

} // namespace
} // namespace pdx::core
