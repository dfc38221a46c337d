#include "winlib/calendar/month_layout.h"

#include <array>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

TEST(MonthLayout, WeekRowsFollowTheFirstWeekdayAndLength) {
  const MonthLayout january(1999, 1, 280, 250); // Friday, 31 days
  EXPECT_EQ(january.rows(), 6);
  EXPECT_EQ((std::array{january.columnOf(1), january.rowOf(1), january.columnOf(3), january.rowOf(3)}),
            (std::array{5, 0, 0, 1}));
  EXPECT_EQ((std::array{january.columnOf(31), january.rowOf(31)}), (std::array{0, 5}));
  EXPECT_EQ(MonthLayout(2000, 2, 280, 250).rows(), 5); // Tuesday, 29 days
  EXPECT_EQ(MonthLayout(2009, 2, 280, 250).rows(), 4); // Sunday, 28 days
  EXPECT_EQ(MonthLayout(2000, 2, 280, 250).days(), 29);
  EXPECT_EQ(MonthLayout(1900, 2, 280, 250).days(), 28);
}

TEST(MonthLayout, CellsDivideTheClientArea) {
  const MonthLayout layout(2000, 2, 280, 252); // 5 rows of 40 pixels
  EXPECT_EQ(layout.cellOf(1), (Rect{80, 52, 119, 92}));
  EXPECT_EQ(layout.cellOf(5), (Rect{240, 52, 279, 92}));
  EXPECT_EQ(layout.cellOf(29), (Rect{80, 212, 119, 252}));
  EXPECT_EQ(layout.weekdayCell(0), (Rect{0, 32, 39, 52}));
  // Widths that 7 does not divide: columns still meet without gaps.
  const MonthLayout odd(2000, 2, 200, 150);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(odd.weekdayCell(i).right + 1, odd.columnX(i + 1));
  }
  EXPECT_EQ(odd.columnX(7), 200);
  EXPECT_EQ(odd.rowY(odd.rows()), 150);
}

TEST(MonthLayout, HitTestFindsTheDayUnderThePoint) {
  const MonthLayout layout(2000, 2, 280, 252);
  EXPECT_EQ(layout.dayAt(80, 52), 1);
  EXPECT_EQ(layout.dayAt(119, 91), 1);
  EXPECT_EQ(layout.dayAt(120, 60), 2);
  EXPECT_EQ(layout.dayAt(100, 93), 8);
  EXPECT_EQ(layout.dayAt(279, 251), 0); // Saturday after the 29th
  EXPECT_EQ(layout.dayAt(10, 60), 0);   // Sunday before the 1st
  EXPECT_EQ(layout.dayAt(100, 40), 0);  // weekday names
  EXPECT_EQ(layout.dayAt(-1, 60), 0);
  EXPECT_EQ(layout.dayAt(100, 252), 0);
  for (int day = 1; day <= layout.days(); ++day) {
    const Rect cell = layout.cellOf(day);
    EXPECT_EQ(layout.dayAt((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2), day);
  }
}

TEST(MonthLayout, NamesAndColours) {
  EXPECT_STREQ(weekdayName(0), "일");
  EXPECT_STREQ(weekdayName(6), "토");
  EXPECT_EQ(dayColour(0), (Rgb{255, 0, 0}));
  EXPECT_EQ(dayColour(6), (Rgb{0, 0, 255}));
  EXPECT_EQ(dayColour(3), (Rgb{0, 128, 0}));
}

TEST(LunarLabel, FullFormOnFirstFifteenthAndSolarFirstEmptyOutsideTheTable) {
  EXPECT_EQ(lunarLabel(1881, 1, 30), "1. 1");
  EXPECT_EQ(lunarLabel(1881, 2, 13), "1. 15");
  EXPECT_EQ(lunarLabel(1881, 2, 1), "1. 3");
  EXPECT_EQ(lunarLabel(1881, 2, 2), "4");
  EXPECT_EQ(lunarLabel(2001, 5, 23), "윤 4. 1");
  EXPECT_EQ(lunarLabel(2001, 5, 23, "leap "), "leap 4. 1");
  EXPECT_EQ(lunarLabel(2001, 5, 24), "2");
  EXPECT_EQ(lunarLabel(1999, 1, 1), "11. 14");
  // Days outside the lunar table have no label.
  EXPECT_EQ(lunarLabel(1881, 1, 29), "");
  EXPECT_EQ(lunarLabel(1880, 6, 1), "");
  EXPECT_EQ(lunarLabel(2044, 1, 1), "");
}

} // namespace
} // namespace pdx::winlib
