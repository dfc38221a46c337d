#include "core/base/cp949.h"
#include "core/data/clock_fakes.h"
#include "features/alarms/alarm_editor.h"
#include "features/alarms/alarm_form.h"
#include "features/phonebook/phonebook_fakes.h"

#include <gtest/gtest.h>
#include <tuple>

namespace pdx::features {
namespace {

// 1999-01-01 was a Friday.
const core::CivilTime kNow{1999, 1, 15, 10, 30, 0};

class FakeAlarmPhone : public AlarmPhone {
public:
  bool writeAlarm(size_t position, const core::AlarmEntry &alarm) override {
    writes.emplace_back(position, alarm);
    return accept;
  }
  bool deleteAlarm(size_t position) override {
    deletes.push_back(position);
    return accept;
  }
  bool accept = true;
  std::vector<std::pair<size_t, core::AlarmEntry>> writes;
  std::vector<size_t> deletes;
};

AlarmForm form(int period, bool pm, int hour, int minute, const char *memo = "x") {
  AlarmForm f = newAlarmForm(kNow);
  f.memo = memo;
  f.period = period;
  f.pm = pm;
  f.hour = hour;
  f.minute = minute;
  return f;
}

TEST(AlarmFormTest, RecordsAndTextsByPeriodAndHalf) {
  struct Case {
    int period;
    bool pm;
    int spin, minute, weekday, month, day;
    int hourOfDay;
    std::optional<std::tuple<int, int, int, int>> record; // year, month, day, weekday
    const char *shown;
  };
  const Case cases[] = {
      {1, true, 12, 0, 0, 1, 15, 12, std::nullopt, "매일\n오후 12시 0분"},
      {1, false, 0, 0, 0, 1, 15, 0, std::nullopt, "매일\n오전 12시 0분"},
      {1, false, 11, 0, 0, 1, 15, 11, std::nullopt, "매일\n오전 11시 0분"},
      {1, true, 1, 0, 0, 1, 15, 13, std::nullopt, "매일\n오후 1시 0분"},
      {2, false, 7, 0, 3, 1, 15, 7, std::tuple(1999, 1, 6, 3), "매주 수요일\n오전 7시 0분"}, // 1999-01-06
      {0, true, 3, 45, 0, 4, 9, 15, std::tuple(1999, 4, 9, 0), "4월 9일\n오후 3시 45분"},
      {3, false, 8, 0, 0, 7, 25, 8, std::tuple(1999, 1, 25, 0),
       "매월 25일\n오전 8시 0분"}, // the month unused
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.shown);
    AlarmForm f = form(c.period, c.pm, c.spin, c.minute);
    std::tie(f.weekday, f.month, f.day) = std::tuple(c.weekday, c.month, c.day);
    const core::AlarmEntry alarm = buildAlarm(f, kNow);
    EXPECT_EQ(alarm.hour, c.hourOfDay);
    EXPECT_EQ(alarmTimeText(alarm), c.shown);
    if (c.record) {
      EXPECT_EQ(std::tuple(alarm.year, alarm.month, alarm.day, alarm.weekday), *c.record);
    }
    EXPECT_EQ(std::pair(formOf(alarm).pm, formOf(alarm).hour), std::pair(c.pm, c.spin));
  }
  core::AlarmEntry yearly = buildAlarm(form(1, false, 8, 0), kNow);
  yearly.repeat = core::kYearly;
  EXPECT_EQ(alarmTimeText(yearly), "");
  AlarmForm f = form(0, false, 0, 5);
  EXPECT_EQ(f.highestHour(), 11);
  f.setHalf(true);
  EXPECT_EQ(std::pair(f.hour, f.lowestHour()), std::pair(12, 1));
  f.setHalf(false);
  EXPECT_EQ(f.hour, 0);
}

TEST(AlarmFormTest, OneTimeAlarmsRingAtTheNextOccurrenceOfTheirDate) {
  const core::CivilTime december{2026, 12, 7, 10, 30, 0};
  struct Case {
    int storedYear, month, day, hour, minute;
    std::optional<int> year;
    const char *refusal;
  };
  const Case cases[] = {
      {0, 1, 5, 8, 0, 2027, nullptr},    // already past this year
      {0, 12, 7, 10, 30, 2026, nullptr}, // this very minute
      {0, 12, 7, 10, 29, 2027, nullptr},
      {0, 2, 29, 0, 0, 2028, nullptr},   // the next leap year
      {2028, 1, 5, 8, 0, 2028, nullptr}, // set on the handset for later: kept
      {2025, 12, 24, 8, 0, 2026, nullptr},
      {0, 2, 30, 8, 0, std::nullopt, "2월 30일은 달력에 없는 날짜입니다."},
      {0, 4, 31, 8, 0, std::nullopt, "4월 31일은 달력에 없는 날짜입니다."},
  };
  for (const Case &c : cases) {
    AlarmForm f = form(0, c.hour >= 12, c.hour % 12, c.minute);
    std::tie(f.year, f.month, f.day) = std::tuple(c.storedYear, c.month, c.day);
    SCOPED_TRACE(::testing::Message() << c.month << "-" << c.day);
    EXPECT_EQ(onceYear(f, december), c.year);
    EXPECT_EQ(alarmDateRefusal(f).value_or(""), c.refusal ? c.refusal : "");
    if (c.year) {
      EXPECT_EQ(buildAlarm(f, december).year, *c.year);
    }
  }
  AlarmForm monthly = form(3, false, 8, 0);
  monthly.day = 31; // November has no 31st: December does
  const core::AlarmEntry m = buildAlarm(monthly, core::CivilTime{2026, 11, 7, 10, 30, 0});
  EXPECT_EQ(std::tuple(m.year, m.month, m.day), std::tuple(2026, 12, 31));
  EXPECT_FALSE(alarmDateRefusal(monthly));
}

TEST(AlarmFormTest, MemoFromTheTimeWhileEmptyAndCutWhole) {
  AlarmForm f = newAlarmForm(kNow);
  EXPECT_FALSE(f.canAccept());
  EXPECT_TRUE(f.choosePeriod(1));
  EXPECT_EQ(text::toUtf8(f.memo), "오전10시30분");
  EXPECT_TRUE(f.canAccept());
  f.memo = "abc";
  EXPECT_FALSE(f.choosePeriod(2));
  EXPECT_EQ(f.memo, "abc");
  f.memo = text::fromUtf8("가나다라마바사"); // 14 bytes
  EXPECT_EQ(buildAlarm(f, kNow).title.view(), text::fromUtf8("가나다라마바"));
}

class AlarmEditorTest : public ::testing::Test {
protected:
  AlarmEditorTest() : editor(store, phone, user, clock) {}
  std::optional<size_t> addDaily(int hour, const char *memo) {
    return editor.add(buildAlarm(form(1, hour >= 12, hour % 12, 0, memo), kNow));
  }

  core::CDataStore store;
  FakeAlarmPhone phone;
  testing::FakeUser user;
  core::testing::FixedKoreanClock clock{kNow};
  AlarmEditor editor;
};

TEST_F(AlarmEditorTest, AddKeepsDueOrderAndRefusesTheEleventh) {
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(addDaily(11 + i, "a"));
    EXPECT_EQ(phone.writes.back().first, static_cast<size_t>(i));
  }
  EXPECT_EQ(editor.rowText(0), "\xFF\x06\ta");
  EXPECT_FALSE(editor.mayAdd());
  EXPECT_FALSE(addDaily(9, "b"));
  EXPECT_EQ(phone.writes.size(), 10u);
  EXPECT_EQ(user.told.back(), "알람은 10개까지 등록할 수 있습니다.");
}

TEST_F(AlarmEditorTest, ModifyMovesTheAlarmAndDropsTheNotification) {
  ASSERT_TRUE(addDaily(12, "noon"));
  ASSERT_TRUE(addDaily(18, "eve"));
  core::AlarmEntry read = editor.alarm(1);
  read.notifyType = 5;
  read.number.set("0112223333");
  AlarmForm changed = formOf(read);
  changed.setHalf(false);
  changed.hour = 11; // due before noon now
  const auto position = editor.modify(1, buildAlarm(changed, kNow));
  ASSERT_EQ(position, 0u);
  EXPECT_EQ(phone.writes.back().first, 1u); // written at its old place
  EXPECT_EQ(editor.size(), 2u);
  EXPECT_EQ(editor.alarm(0).title.view(), "eve");
  EXPECT_EQ(editor.alarm(0).notifyType, 0);
  EXPECT_TRUE(editor.alarm(0).number.empty());
}

TEST_F(AlarmEditorTest, RefusalsChangeNothingAndDeleteSelectsTheRowAbove) {
  ASSERT_TRUE(addDaily(12, "a"));
  ASSERT_TRUE(addDaily(13, "b"));
  phone.accept = false;
  EXPECT_FALSE(addDaily(14, "c"));
  EXPECT_FALSE(editor.modify(0, editor.alarm(1)));
  EXPECT_FALSE(editor.remove(1));
  EXPECT_EQ(user.told, (std::vector<std::string>{"알람을 추가할 수 없습니다.", "알람을 수정할 수 없습니다.",
                                                 "알람을 삭제할 수 없습니다."}));
  EXPECT_EQ(editor.size(), 2u);
  EXPECT_EQ(editor.alarm(0).title.view(), "a");
  phone.accept = true;
  user.answer = false;
  EXPECT_FALSE(editor.remove(1));
  user.answer = true;
  EXPECT_EQ(editor.remove(1), 0);
  EXPECT_EQ(user.asked.back(), "알람을 삭제하시겠습니까?");
  EXPECT_EQ(editor.remove(0), -1);
}

} // namespace
} // namespace pdx::features
