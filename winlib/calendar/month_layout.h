// Geometry and texts of the month calendar, in client pixels of a calendar
// W wide and H high: a title band, a row of weekday names and one row of
// seven cells per week of the month.
#pragma once

#include <string>
#include <string_view>

namespace pdx::winlib {

inline constexpr int kTitleBottom = 25;   // title band from y = 0
inline constexpr int kWeekdayTop = 32;    // weekday names and column lines start here
inline constexpr int kGridTop = 52;       // first week row
inline constexpr int kLunarBottomGap = 2; // lunar text sits this far above a cell's bottom

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0; // inclusive
  int bottom = 0;

  friend bool operator==(const Rect &, const Rect &) = default;
};

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  friend bool operator==(const Rgb &, const Rgb &) = default;
};

class MonthLayout {
public:
  // `month` 1 to 12 of a year in 1 to 9999; `width` and `height` the client size.
  MonthLayout(int year, int month, int width, int height);

  int firstWeekday() const { return firstWeekday_; } // Sunday = 0
  int days() const { return days_; }
  int rows() const { return rows_; }

  int columnOf(int day) const { return (firstWeekday_ + day - 1) % 7; }
  int rowOf(int day) const { return (firstWeekday_ + day - 1) / 7; }
  // x of the line left of column `i` (0 to 7).
  int columnX(int i) const { return i * width_ / 7; }
  // y of the line above week row `r` (0 to rows()).
  int rowY(int r) const { return kGridTop + r * (height_ - kGridTop) / rows_; }

  Rect cellOf(int day) const;
  Rect weekdayCell(int column) const;
  Rect titleBand() const { return Rect{0, 0, width_ - 1, kTitleBottom}; }
  // The day whose cell holds the point, or 0 for none.
  int dayAt(int x, int y) const;

private:
  int width_;
  int height_;
  int firstWeekday_;
  int days_;
  int rows_;
};

// "일" to "토" for Sunday = 0 to Saturday = 6.
const char *weekdayName(int column);
// Day numbers: red on Sundays, blue on Saturdays, dark green otherwise.
Rgb dayColour(int column);
// The lunar text under a day: "%s%d. %d" (`leap` before a leap month,
// lunar month, lunar day) on the first and fifteenth lunar day and on the
// first solar day, the lunar day alone otherwise; empty without a lunar date.
std::string lunarLabel(int year, int month, int day, std::string_view leap = "윤 ");

} // namespace pdx::winlib
