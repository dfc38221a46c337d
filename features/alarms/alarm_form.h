// The alarm edit dialog without its widgets: the fields as the user sets
// them, the hour rules of 오전 and 오후, the memo filled from the time, and
// the alarm record built on OK. Shared by the dialog and pelodex-cli.
#pragma once

#include "core/data/alarm_list.h"

#include <optional>
#include <string>

namespace pdx::features {

// The period list's entries, in order: 시간지정, 매일주기, 매주주기, 매월주기.
inline constexpr int kPeriodCount = 4;
// The repeat kind of period entry `index` (0..3), and back (-1 for none).
inline constexpr uint16_t periodKind(int index) {
  return static_cast<uint16_t>(core::kOnce + index);
}
int periodIndex(uint16_t kind);
// "시간지정", "매일주기", "매주주기", "매월주기" (UTF-8); empty otherwise.
std::string periodName(uint16_t kind);
// "일요일" .. "토요일".
std::string weekdayName(int weekday);

struct AlarmForm {
  std::string memo; // code page 949
  int period = 0;   // index into the period list; -1 for none chosen
  int year = 0;     // a stored one-time alarm's year; 0 for none given
  int month = 1;    // 1..12 (once)
  int day = 1;      // 1..31 (once, monthly)
  int weekday = 0;  // 0 Sunday .. 6 Saturday (weekly)
  bool pm = false;  // 오후
  int hour = 0;     // the hour spin: 0..11 before noon, 1..12 after
  int minute = 0;   // 0..59

  // The hour spin's range for the current half.
  int lowestHour() const { return pm ? 1 : 0; }
  int highestHour() const { return pm ? 12 : 11; }
  // Switches to 오전 or 오후: an hour of 0 becomes 12 after noon, 12 becomes 0
  // before noon.
  void setHalf(bool afternoon);
  // A period chosen in the list; while the memo is empty (never typed, or
  // cleared by the user) the time fills it. Returns whether it was filled.
  bool choosePeriod(int index);
  // "%s%02d시%02d분" with 오전/오후, the hour spin and the minute (UTF-8).
  std::string timeMemo() const;
  bool canAccept() const { return !memo.empty() && period >= 0 && period < kPeriodCount; }
  // The hour of the day (0..23): 12 on the spin counts as 0.
  int hourOfDay() const { return (pm ? 12 : 0) + (hour == 12 ? 0 : hour); }
};

// Adding: the current date and time, 시간지정, Sunday, empty memo.
AlarmForm newAlarmForm(const core::CivilTime &now);
// Modifying: the fields of a stored alarm.
AlarmForm formOf(const core::AlarmEntry &alarm);

// Why the form's date cannot be stored (UTF-8): a one-time alarm's month
// and day must exist in some year. Nothing when it can.
std::optional<std::string> alarmDateRefusal(const AlarmForm &form);
// The year a one-time alarm rings in: the form's own while its date and
// time are still to come in it, else the next occurrence of that date and
// time at or after `now`; nothing for a date that exists in no year.
std::optional<int> onceYear(const AlarmForm &form, const core::CivilTime &now);

// The record of an accepted form (whose date passed alarmDateRefusal): the
// date fields by the period (a one-time alarm in its onceYear; a monthly
// one in the first month from now on that has its day; a weekly one's day
// the first date of the current month on its weekday), notification type 0
// and an empty number.
core::AlarmEntry buildAlarm(const AlarmForm &form, const core::CivilTime &now);

// The detail pane's time text (UTF-8): "%d월 %d일\n%s %d시 %d분" and the
// periodic forms; empty for other kinds.
std::string alarmTimeText(const core::AlarmEntry &alarm);

} // namespace pdx::features
