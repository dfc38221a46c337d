#include "winlib/calendar/month_layout.h"

#include "core/calendar/gregorian.h"
#include "core/calendar/lunar.h"

#include <array>

namespace pdx::winlib {

MonthLayout::MonthLayout(int year, int month, int width, int height)
    : width_(width), height_(height), firstWeekday_(calendar::weekdayOf(year, month, 1)),
      days_(calendar::daysInMonth(year, month)), rows_((firstWeekday_ + days_ + 6) / 7) {}

Rect MonthLayout::cellOf(int day) const {
  const int column = columnOf(day);
  const int row = rowOf(day);
  return Rect{columnX(column), rowY(row), columnX(column + 1) - 1, rowY(row + 1)};
}

Rect MonthLayout::weekdayCell(int column) const {
  return Rect{columnX(column), kWeekdayTop, columnX(column + 1) - 1, kGridTop};
}

int MonthLayout::dayAt(int x, int y) const {
  if (x < 0 || x >= width_ || y < kGridTop || y >= height_ || width_ <= 0) {
    return 0;
  }
  int column = 0;
  while (column < 6 && x >= columnX(column + 1)) {
    ++column;
  }
  int row = 0;
  while (row < rows_ - 1 && y >= rowY(row + 1)) {
    ++row;
  }
  const int day = row * 7 + column - firstWeekday_ + 1;
  return day >= 1 && day <= days_ ? day : 0;
}

const char *weekdayName(int column) {
  static constexpr std::array<const char *, 7> kNames = {"일", "월", "화", "수", "목", "금", "토"};
  return kNames.at(static_cast<size_t>(column));
}

Rgb dayColour(int column) {
  if (column == 0) {
    return Rgb{255, 0, 0};
  }
  return column == 6 ? Rgb{0, 0, 255} : Rgb{0, 128, 0};
}

std::string lunarLabel(int year, int month, int day, std::string_view leap) {
  const auto lunar = calendar::toLunar(year, month, day);
  if (!lunar) {
    return {};
  }
  if (lunar->day == 1 || lunar->day == 15 || day == 1) {
    return std::string(lunar->leap ? leap : "") + std::to_string(lunar->month) + ". " +
           std::to_string(lunar->day);
  }
  return std::to_string(lunar->day);
}

} // namespace pdx::winlib
