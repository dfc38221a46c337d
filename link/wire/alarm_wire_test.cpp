#include "link/wire/alarm_wire.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <tuple>

namespace pdx::link::wire {
namespace {

// 2024-05-17 10:20:33 UTC.
constexpr int64_t kNow = 1715941233;

core::AlarmEntry alarm(int month, int day, int hour, int minute, uint16_t repeat) {
  core::AlarmEntry a;
  a.year = 2024;
  a.month = static_cast<uint8_t>(month);
  a.day = static_cast<uint8_t>(day);
  a.hour = static_cast<uint8_t>(hour);
  a.minute = static_cast<uint8_t>(minute);
  a.repeat = repeat;
  a.title.set("Wake");
  return a;
}

class ZoneGuard {
public:
  explicit ZoneGuard(const char *zone) {
    const char *old = std::getenv("TZ");
    had_ = old != nullptr;
    old_ = had_ ? old : "";
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ZoneGuard() {
    had_ ? ::setenv("TZ", old_.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
  }

private:
  bool had_;
  std::string old_;
};

TEST(AlarmTime, KoreanLocalTimeIsTheReference) {
  // 2024-12-24 07:30 in Korea is 2024-12-23 22:30 UTC; plus the send shift
  // of three hours, minus nothing else.
  const int64_t utc = 1734993000; // 2024-12-23 22:30:00 UTC
  EXPECT_EQ(alarmSeconds(alarm(12, 24, 7, 30, core::kOnce), kNow), static_cast<uint32_t>(utc + 10800 + 33));
}

TEST(AlarmTime, RoundTripsUnderEveryZone) {
  for (const char *zone : {"UTC", "Asia/Seoul", "America/New_York", "Europe/Berlin", "Pacific/Kiritimati"}) {
    ZoneGuard guard(zone);
    for (const auto &a : {alarm(1, 1, 0, 0, core::kOnce), alarm(3, 31, 23, 59, core::kDaily),
                          alarm(7, 15, 12, 5, core::kMonthly), alarm(12, 31, 9, 0, core::kOnce)}) {
      core::AlarmEntry back;
      applyAlarmSeconds(alarmSeconds(a, kNow), back);
      EXPECT_EQ(std::tie(back.year, back.month, back.day, back.hour, back.minute),
                std::tie(a.year, a.month, a.day, a.hour, a.minute))
          << zone;
    }
  }
}

TEST(AlarmTime, EachAlarmKeepsItsOwnYearWhenTheValueCanCarryIt) {
  const std::pair<int, int> cases[] = {{2025, 2025}, {2023, 2023}, {2105, 2105}, {0, 2024}, {2106, 2024}};
  for (const auto &[stored, sent] : cases) {
    core::AlarmEntry a = alarm(1, 5, 7, 0, core::kOnce);
    a.year = static_cast<uint16_t>(stored);
    core::AlarmEntry back;
    applyAlarmSeconds(alarmSeconds(a, kNow), back);
    EXPECT_EQ(back.year, sent) << stored;
    EXPECT_EQ(back.day, 5) << stored;
  }
}

TEST(AlarmTime, WeeklyAlarmTakesTheFirstDateOfItsWeekday) {
  // 2024-05-01 was a Wednesday (3), so the first Tuesday (2) was the 7th.
  for (const auto &[weekday, day] : {std::pair{3, 1}, std::pair{2, 7}}) {
    core::AlarmEntry a = alarm(5, 30, 8, 0, core::kWeekly);
    a.weekday = static_cast<uint8_t>(weekday);
    core::AlarmEntry back;
    applyAlarmSeconds(alarmSeconds(a, kNow), back);
    EXPECT_EQ(back.day, day);
    EXPECT_EQ(back.weekday, weekday);
  }
}

TEST(AlarmRecord, FlagsTitleAndRepeatKinds) {
  Bytes table(kAlarmTableSize, 0);
  core::AlarmEntry a = alarm(6, 1, 6, 30, core::kMonthly);
  a.title.set(std::string(11, 'T') + "\xC7\xD1");
  putAlarm(table, 9, a, kNow);
  const auto record = std::span<const uint8_t>(table).subspan(9 * kAlarmRecordSize, kAlarmRecordSize);
  EXPECT_EQ(getText(record, 0, 12), std::string(11, 'T'));
  EXPECT_EQ(record[17], 1 | 3 << 1);
  EXPECT_TRUE(alarmIsSet(record));
  EXPECT_FALSE(alarmIsSet(std::span<const uint8_t>(table).first(kAlarmRecordSize)));
  const core::AlarmEntry back = decodeAlarm(record, 9);
  EXPECT_EQ(back.slot, 9);
  EXPECT_EQ(back.repeat, core::kMonthly);
  EXPECT_EQ(back.hour, 6);

  a.repeat = core::kYearly;
  putAlarm(table, 0, a, kNow);
  EXPECT_EQ(table[17], 1);
  table[17] = 1 | 5 << 1;
  EXPECT_EQ(decodeAlarm(std::span<const uint8_t>(table).first(22), 0).repeat, core::kOnce);
}

} // namespace
} // namespace pdx::link::wire
