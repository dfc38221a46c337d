// Draws a month of the calendar on a painter, following MonthLayout.
#pragma once

#include "winlib/calendar/month_layout.h"

class QPainter;

namespace pdx::winlib {

class MonthPainter {
public:
  // `options` as CMonthCalendar takes them (lunar dates, small day numbers).
  MonthPainter(QPainter &painter, const MonthLayout &layout, int options);

  // Draws the whole calendar; `framedDay` (0 for none) gets a frame.
  void paint(int year, int month, int framedDay);

private:
  void paintTitle(int year, int month);
  void paintGrid();
  void paintDay(int year, int month, int day);
  void paintFrame(int day);

  QPainter &painter_;
  const MonthLayout &layout_;
  int options_;
};

} // namespace pdx::winlib
