#include "core/calendar/gregorian.h"
#include "core/data/alarm_list.h"
#include "core/data/clock_fakes.h"

#include <gtest/gtest.h>
#include <tuple>

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

TEST(KoreanTime, OfAnInstantAndOfTheTestsClock) {
  EXPECT_EQ(koreanTimeAt(1715941233).hour, 19); // 10:20:33 UTC
  // The tests' clock stands where it was set.
  for (const CivilTime at : {CivilTime{1999, 12, 31, 23, 59, 59}, CivilTime{2024, 2, 29, 0, 0, 0}}) {
    const CivilTime read = koreanTimeAt(testing::FixedKoreanClock(at).utcSeconds());
    EXPECT_EQ(std::tie(read.year, read.month, read.day, read.hour, read.minute, read.second),
              std::tie(at.year, at.month, at.day, at.hour, at.minute, at.second));
  }
}

TEST(AlarmDueTime, EachKindRingsNextAtOrAfterNow) {
  const CivilTime now{1999, 1, 1, 12, 0, 0}; // a Friday
  const int64_t today = calendar::daysSinceEpoch(1999, 1, 1) * 1440;
  EXPECT_EQ(nextDueMinute(alarm(kDaily, 1, 1, 13, 0), now), today + 13 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kDaily, 1, 1, 11, 0), now), today + 1440 + 11 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kWeekly, 1, 1, 9, 0, 0), now), today + 2 * 1440 + 9 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kWeekly, 1, 1, 11, 0, 5), now), today + 7 * 1440 + 11 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kMonthly, 1, 31, 8, 0), now),
            calendar::daysSinceEpoch(1999, 1, 31) * 1440 + 8 * 60);
  // The 31st is skipped by months that lack it.
  const CivilTime feb{1999, 2, 1, 0, 0, 0};
  EXPECT_EQ(nextDueMinute(alarm(kMonthly, 1, 31, 8, 0), feb),
            calendar::daysSinceEpoch(1999, 3, 31) * 1440 + 8 * 60);
  EXPECT_EQ(nextDueMinute(alarm(kYearly, 2, 29, 0, 0), feb), calendar::daysSinceEpoch(2000, 2, 29) * 1440);
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

} // namespace
} // namespace pdx::core
