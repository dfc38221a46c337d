#include "core/calendar/gregorian.h"
#include "core/calendar/lunar.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

namespace pdx::calendar {
namespace {

LunarDate lunar(int year, int month, int day, bool leap = false) {
  return LunarDate{year, month, day, leap};
}

// The folder of shared data: $PDX_SHARED_DIR, else "shared" beside the checkout.
std::filesystem::path sharedDir() {
  const char *env = std::getenv("PDX_SHARED_DIR");
  return env != nullptr ? std::filesystem::path(env) : std::filesystem::path(PDX_SOURCE_DIR "/../shared");
}

TEST(Gregorian, WhichDatesExist) {
  struct Case {
    int year, month, day;
    bool exists, monthDay; // in that year; in some year
  };
  const Case cases[] = {
      {2023, 2, 28, true, true},   {2023, 2, 29, false, true}, {2024, 2, 29, true, true},
      {1900, 2, 29, false, true},  {2000, 2, 29, true, true},  {2023, 2, 30, false, false},
      {2023, 4, 31, false, false}, {2023, 12, 31, true, true}, {2023, 13, 1, false, false},
      {2023, 0, 1, false, false},  {2023, 1, 0, false, false}, {0, 1, 1, false, true},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(isValidDate(c.year, c.month, c.day), c.exists) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(isMonthDay(c.month, c.day), c.monthDay) << c.month << "-" << c.day;
  }
  EXPECT_EQ(daysInMonth(1999, 13), 0);
}

TEST(Gregorian, DayCountsAndWeekdays) {
  struct Case {
    int year, month, day;
    int64_t sinceEpoch;
    int weekday;
  };
  const Case cases[] = {
      {1970, 1, 1, 0, 4},       {1969, 12, 31, -1, 3},    {1999, 1, 1, 10592, 5}, {2000, 2, 29, 11016, 2},
      {1881, 1, 30, -32477, 0}, {2043, 12, 31, 27027, 4}, {1, 1, 1, -719162, 1},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(daysSinceEpoch(c.year, c.month, c.day), c.sinceEpoch)
        << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(weekdayOf(c.year, c.month, c.day), c.weekday) << c.year << "-" << c.month << "-" << c.day;
    const Date back = dateAt(c.sinceEpoch);
    EXPECT_EQ(std::tie(back.year, back.month, back.day), std::tie(c.year, c.month, c.day));
  }
  EXPECT_EQ(dayNumber(1, 1, 1), 1);
}

// The table's first day, its edges, invalid dates, known new years and
// harvest days, and leap months, which carry the number they repeat.
TEST(Lunar, KnownDatesAndTheEdgesOfTheTable) {
  const struct {
    int year, month, day;
    std::optional<LunarDate> lunar;
  } cases[] = {
      {1881, 1, 30, lunar(1881, 1, 1)},
      {2000, 9, 12, lunar(2000, 8, 15)},
      {1881, 1, 29, std::nullopt},
      {1880, 12, 31, std::nullopt},
      {2044, 1, 1, std::nullopt},
      {1999, 2, 29, std::nullopt},
      {1999, 0, 1, std::nullopt},
      {2001, 1, 24, lunar(2001, 1, 1)},
      {1999, 2, 16, lunar(1999, 1, 1)},
      {2000, 2, 5, lunar(2000, 1, 1)},
      {2024, 2, 10, lunar(2024, 1, 1)},
      {2024, 9, 17, lunar(2024, 8, 15)},
      {1999, 1, 1, lunar(1998, 11, 14)},
      {2001, 5, 22, lunar(2001, 4, 29)},
      {2001, 5, 23, lunar(2001, 4, 1, true)},
      {2001, 6, 21, lunar(2001, 5, 1)},
      {2020, 5, 23, lunar(2020, 4, 1, true)},
      {2023, 3, 22, lunar(2023, 2, 1, true)},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(toLunar(c.year, c.month, c.day), c.lunar) << c.year << "-" << c.month << "-" << c.day;
  }
}

// Walks every day of the table: each day follows the previous one within a
// month of the right length, and months follow each other in table order.
TEST(Lunar, EveryDayFollowsItsPredecessor) {
  LunarDate previous = *toLunar(1881, 1, 30);
  int codeIndex = 0;
  int checked = 0;
  for (int year = 1881; year <= 2043; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= daysInMonth(year, month); ++day) {
        const auto today = toLunar(year, month, day);
        if (!today || *today == previous) {
          continue;
        }
        ++checked;
        if (today->day == previous.day + 1) {
          ASSERT_EQ(today->month, previous.month);
          ASSERT_EQ(today->leap, previous.leap);
          ASSERT_EQ(today->year, previous.year);
        } else {
          const auto code = lunarMonthCodes(previous.year)[static_cast<size_t>(codeIndex)];
          ASSERT_EQ(previous.day, code == kLong || code == kLeapLong ? 30 : 29) << year << "-" << month;
          ASSERT_EQ(today->day, 1);
          codeIndex = today->year != previous.year ? 0 : codeIndex + 1;
          const auto next = lunarMonthCodes(today->year)[static_cast<size_t>(codeIndex)];
          ASSERT_EQ(today->leap, next == kLeapShort || next == kLeapLong);
        }
        previous = *today;
      }
    }
  }
  EXPECT_EQ(checked, static_cast<int>(dayNumber(2043, 12, 31) - dayNumber(1881, 1, 30)));
}

TEST(LunarTable, RowsQuotedFromThePublishedCalendar) {
  const std::uint8_t y1881[] = {1, 2, 1, 2, 1, 2, 2, 3, 2, 2, 1, 2, 1};
  const std::uint8_t y2001[] = {2, 2, 2, 1, 3, 2, 1, 1, 2, 1, 2, 1, 2};
  const std::uint8_t y2043[] = {1, 2, 1, 1, 2, 1, 1, 2, 2, 1, 2, 2, 0};
  EXPECT_TRUE(std::ranges::equal(lunarMonthCodes(1881), y1881));
  EXPECT_TRUE(std::ranges::equal(lunarMonthCodes(2001), y2001));
  EXPECT_TRUE(std::ranges::equal(lunarMonthCodes(2043), y2043));
}

// The source table must match the verified CSV copy beside the repository.
TEST(LunarTable, MatchesTheVerifiedCsv) {
  const std::filesystem::path csv = sharedDir() / "data/lunar-months-1881-2043.csv";
  std::ifstream in(csv);
  if (!in) {
    GTEST_SKIP() << "no " << csv;
  }
  std::string line;
  std::getline(in, line);
  int rows = 0;
  while (std::getline(in, line)) {
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream fields(line);
    int year = 0;
    fields >> year;
    ASSERT_GE(year, kLunarFirstYear);
    ASSERT_LE(year, kLunarLastYear);
    for (const auto code : lunarMonthCodes(year)) {
      int expected = -1;
      fields >> expected;
      ASSERT_EQ(code, expected) << year;
    }
    ++rows;
  }
  EXPECT_EQ(rows, kLunarYears);
}

} // namespace
} // namespace pdx::calendar
