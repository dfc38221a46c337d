// Dates and times as the user reads them. Korean is the source wording
// ("2026년 12월 7일 오후 2시 30분"); a translation reorders the same fields
// and names the months and the half of the day ("Dec 7, 2026 2:30 PM").
// Each kind of text is formatted here and nowhere else.
#pragma once

#include <string>

namespace pdx::text {

struct DateTime {
  int year = 0;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0; // 0..59
};

// The full date and time. `shownHour` is the number written after 오전/오후
// in Korean (the screen writes 1..12, paper the hour of the day); English
// always writes the 12-hour clock.
std::string dateTimeText(const DateTime &when, int shownHour);
// "12월 7일" / "Dec 7".
std::string monthDayText(int month, int day);
// "오후 2시 30분" / "2:30 PM"; 0 is 오전 12시 (12:00 AM).
std::string clockText(int hour, int minute);
// "일요일" .. "토요일" for Sunday = 0 .. Saturday = 6; empty otherwise.
std::string weekdayText(int weekday);

} // namespace pdx::text
