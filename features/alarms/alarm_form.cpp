#include "features/alarms/alarm_form.h"

#include "core/base/cp949.h"
#include "core/calendar/gregorian.h"

#include <array>
#include <cstdio>
#include <tuple>

namespace pdx::features {
namespace {

constexpr std::array<const char *, kPeriodCount> kPeriodNames = {"시간지정", "매일주기", "매주주기",
                                                                 "매월주기"};
constexpr std::array<const char *, 7> kWeekdays = {"일요일", "월요일", "화요일", "수요일",
                                                   "목요일", "금요일", "토요일"};

const char *half(bool pm) {
  return pm ? "오후" : "오전";
}

// Hour and half as the screen shows them: 0 is 오전 12시, 12 is 오후 12시.
std::string clockText(int hour, int minute) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %d시 %d분", half(hour >= 12), hour % 12 == 0 ? 12 : hour % 12, minute);
  return text;
}

// Whether the form's date and time exist in `year` and are not yet past.
bool stillToCome(int year, const AlarmForm &f, const core::CivilTime &now) {
  return calendar::isValidDate(year, f.month, f.day) &&
         std::tuple(year, f.month, f.day, f.hourOfDay(), f.minute) >=
             std::tuple(now.year, now.month, now.day, now.hour, now.minute);
}

// The first month from now's on that has `day`: {year, month}.
std::pair<int, int> monthWithDay(int day, const core::CivilTime &now) {
  for (int i = 0;; ++i) {
    const int year = now.year + (now.month - 1 + i) / 12;
    const int month = (now.month - 1 + i) % 12 + 1;
    if (day <= calendar::daysInMonth(year, month) || i == 12) {
      return {year, month};
    }
  }
}

} // namespace

int periodIndex(uint16_t kind) {
  return kind >= core::kOnce && kind <= core::kMonthly ? kind - core::kOnce : -1;
}

std::string periodName(uint16_t kind) {
  const int index = periodIndex(kind);
  return index >= 0 ? kPeriodNames[static_cast<size_t>(index)] : "";
}

std::string weekdayName(int weekday) {
  return weekday >= 0 && weekday < 7 ? kWeekdays[static_cast<size_t>(weekday)] : "";
}

void AlarmForm::setHalf(bool afternoon) {
  if (afternoon && !pm && hour == 0) {
    hour = 12;
  } else if (!afternoon && pm && hour == 12) {
    hour = 0;
  }
  pm = afternoon;
}

bool AlarmForm::choosePeriod(int index) {
  period = index;
  if (!memo.empty()) {
    return false;
  }
  memo = text::fromUtf8(timeMemo());
  return true;
}

std::string AlarmForm::timeMemo() const {
  char text[64];
  std::snprintf(text, sizeof text, "%s%02d시%02d분", half(pm), hour, minute);
  return text;
}

AlarmForm newAlarmForm(const core::CivilTime &now) {
  AlarmForm form;
  form.month = now.month;
  form.day = now.day;
  form.pm = now.hour >= 12;
  form.hour = now.hour % 12 == 0 && form.pm ? 12 : now.hour % 12;
  form.minute = now.minute;
  return form;
}

AlarmForm formOf(const core::AlarmEntry &alarm) {
  AlarmForm form;
  form.memo = std::string(alarm.title.view());
  form.period = periodIndex(alarm.repeat);
  form.year = alarm.year;
  form.month = alarm.month;
  form.day = alarm.day;
  form.weekday = alarm.weekday % 7;
  form.pm = alarm.hour >= 12;
  form.hour = alarm.hour >= 12 ? (alarm.hour == 12 ? 12 : alarm.hour - 12) : alarm.hour;
  form.minute = alarm.minute;
  return form;
}

std::optional<std::string> alarmDateRefusal(const AlarmForm &form) {
  if (periodKind(form.period) != core::kOnce || calendar::isMonthDay(form.month, form.day)) {
    return std::nullopt;
  }
  char text[96];
  std::snprintf(text, sizeof text, "%d월 %d일은 달력에 없는 날짜입니다.", form.month, form.day);
  return text;
}

std::optional<int> onceYear(const AlarmForm &form, const core::CivilTime &now) {
  if (form.year > 0 && stillToCome(form.year, form, now)) {
    return form.year;
  }
  // Every month and day that exists comes within eight years (29 February
  // across a century that skips its leap year).
  for (int year = now.year; year <= now.year + 8; ++year) {
    if (stillToCome(year, form, now)) {
      return year;
    }
  }
  return std::nullopt;
}

core::AlarmEntry buildAlarm(const AlarmForm &form, const core::CivilTime &now) {
  core::AlarmEntry alarm;
  alarm.year = static_cast<uint16_t>(now.year);
  alarm.month = static_cast<uint8_t>(now.month);
  alarm.day = static_cast<uint8_t>(now.day);
  alarm.title.setWhole(form.memo);
  alarm.hour = static_cast<uint8_t>(form.hourOfDay());
  alarm.minute = static_cast<uint8_t>(form.minute);
  alarm.weekday = 0;
  alarm.notifyType = 0;
  alarm.repeat = periodKind(form.period);
  switch (alarm.repeat) {
  case core::kOnce:
    alarm.year = static_cast<uint16_t>(onceYear(form, now).value_or(now.year));
    alarm.month = static_cast<uint8_t>(form.month);
    alarm.day = static_cast<uint8_t>(form.day);
    break;
  case core::kMonthly: {
    const auto [year, month] = monthWithDay(form.day, now);
    alarm.year = static_cast<uint16_t>(year);
    alarm.month = static_cast<uint8_t>(month);
    alarm.day = static_cast<uint8_t>(form.day);
    break;
  }
  case core::kWeekly: {
    alarm.weekday = static_cast<uint8_t>(form.weekday);
    const int first = calendar::weekdayOf(now.year, now.month, 1);
    alarm.day = static_cast<uint8_t>(1 + (form.weekday - first + 7) % 7);
    break;
  }
  default:
    break;
  }
  return alarm;
}

std::string alarmTimeText(const core::AlarmEntry &alarm) {
  const std::string clock = clockText(alarm.hour, alarm.minute);
  char text[96];
  switch (alarm.repeat) {
  case core::kOnce:
    std::snprintf(text, sizeof text, "%d월 %d일\n", alarm.month, alarm.day);
    return text + clock;
  case core::kDaily:
    return "매일\n" + clock;
  case core::kWeekly:
    return "매주 " + weekdayName(alarm.weekday) + "\n" + clock;
  case core::kMonthly:
    std::snprintf(text, sizeof text, "매월 %d일\n", alarm.day);
    return text + clock;
  default:
    return {};
  }
}

} // namespace pdx::features
