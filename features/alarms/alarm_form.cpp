#include "features/alarms/alarm_form.h"

#include "core/base/cp949.h"
#include "core/base/date_text.h"
#include "core/base/user_text.h"
#include "core/calendar/gregorian.h"

#include <array>
#include <cstdio>
#include <tuple>

namespace pdx::features {
namespace {

constexpr std::array<const char *, kPeriodCount> kPeriodNames = {
    QT_TRANSLATE_NOOP("pdx::alarms", "시간지정"), QT_TRANSLATE_NOOP("pdx::alarms", "매일주기"),
    QT_TRANSLATE_NOOP("pdx::alarms", "매주주기"), QT_TRANSLATE_NOOP("pdx::alarms", "매월주기")};

// The memo is stored on the phone: its words stay Korean in every language.
const char *half(bool pm) {
  return pm ? "오후" : "오전";
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
  return index >= 0 ? text::translate("pdx::alarms", kPeriodNames[static_cast<size_t>(index)]) : "";
}

std::string weekdayName(int weekday) {
  return text::weekdayText(weekday);
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
  return text::fill(text::translate("pdx::alarms", "%1은 달력에 없는 날짜입니다."),
                    {text::monthDayText(form.month, form.day)});
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
  const std::string clock = "\n" + text::clockText(alarm.hour, alarm.minute);
  switch (alarm.repeat) {
  case core::kOnce:
    return text::monthDayText(alarm.month, alarm.day) + clock;
  case core::kDaily:
    return text::translate("pdx::alarms", "매일") + clock;
  case core::kWeekly:
    return text::fill(text::translate("pdx::alarms", "매주 %1"), {weekdayName(alarm.weekday)}) + clock;
  case core::kMonthly:
    return text::fill(text::translate("pdx::alarms", "매월 %1일"), {std::to_string(alarm.day)}) + clock;
  default:
    return {};
  }
}

} // namespace pdx::features
