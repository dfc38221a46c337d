#include "core/base/date_text.h"

#include <gtest/gtest.h>

namespace pdx::text {
namespace {

// Korean: the hour after 오전/오후 is the one given, midnight and noon are 12.
TEST(DateText, KoreanWording) {
  EXPECT_EQ(dateTimeText({2026, 12, 7, 14, 5}, 2), "2026년 12월 7일 오후 2시 5분");
  EXPECT_EQ(dateTimeText({1999, 1, 31, 14, 30}, 14), "1999년 1월 31일 오후 14시 30분");
  EXPECT_EQ(monthDayText(4, 9), "4월 9일");
  struct Case {
    int hour, minute;
    const char *shown;
  } clocks[] = {{0, 0, "오전 12시 0분"},
                {11, 59, "오전 11시 59분"},
                {12, 7, "오후 12시 7분"},
                {23, 0, "오후 11시 0분"}};
  for (const Case &c : clocks) {
    EXPECT_EQ(clockText(c.hour, c.minute), c.shown) << c.hour;
  }
  EXPECT_EQ(weekdayText(0), "일요일");
  EXPECT_EQ(weekdayText(6), "토요일");
  EXPECT_EQ(weekdayText(7), "");
}

} // namespace
} // namespace pdx::text
