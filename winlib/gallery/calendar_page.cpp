// The month calendar for January 1999 and February 2000, with and without
// lunar dates, and at the alarm page's size with its smaller day numbers.
#include "winlib/calendar/ui/month_calendar.h"
#include "winlib/gallery/gallery.h"

namespace pdx::winlib::gallery {

void renderCalendars(Output &out) {
  const struct {
    int year;
    int month;
  } months[] = {{1999, 1}, {2000, 2}};
  QWidget parent;
  for (const auto &shown : months) {
    for (const bool lunar : {false, true}) {
      CMonthCalendar calendar(&parent, QRect(0, 0, 280, 262), 1, lunar ? CMonthCalendar::kShowLunar : 0);
      (void)calendar.SetMonth(shown.year, shown.month);
      out.save(QStringLiteral("calendar-%1-%2%3")
                   .arg(shown.year)
                   .arg(shown.month, 2, 10, QLatin1Char('0'))
                   .arg(lunar ? QStringLiteral("-lunar") : QString()),
               calendar.grab().toImage());
    }
  }
  CMonthCalendar alarmPage(&parent, QRect(0, 0, 219, 226), 1, CMonthCalendar::kSmallDays);
  (void)alarmPage.SetMonth(1999, 1);
  out.save(QStringLiteral("calendar-alarm-page"), alarmPage.grab().toImage());
}

} // namespace pdx::winlib::gallery
