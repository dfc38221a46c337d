#include "core/base/date_text.h"

#include "core/base/user_text.h"

#include <array>
#include <cstdio>

namespace pdx::text {

namespace {

std::string number(int value) {
  return std::to_string(value);
}

std::string twoDigits(int value) {
  char out[16];
  std::snprintf(out, sizeof out, "%02d", value);
  return out;
}

int twelveHour(int hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

std::string halfOfDay(int hour) {
  return hour < 12 ? translate("pdx::dates", "오전") : translate("pdx::dates", "오후");
}

// The short month name of the translation; the Korean text has none.
std::string monthName(int month) {
  static constexpr std::array<const char *, 12> kNames = {
      QT_TRANSLATE_NOOP("pdx::dates", "1월"),  QT_TRANSLATE_NOOP("pdx::dates", "2월"),
      QT_TRANSLATE_NOOP("pdx::dates", "3월"),  QT_TRANSLATE_NOOP("pdx::dates", "4월"),
      QT_TRANSLATE_NOOP("pdx::dates", "5월"),  QT_TRANSLATE_NOOP("pdx::dates", "6월"),
      QT_TRANSLATE_NOOP("pdx::dates", "7월"),  QT_TRANSLATE_NOOP("pdx::dates", "8월"),
      QT_TRANSLATE_NOOP("pdx::dates", "9월"),  QT_TRANSLATE_NOOP("pdx::dates", "10월"),
      QT_TRANSLATE_NOOP("pdx::dates", "11월"), QT_TRANSLATE_NOOP("pdx::dates", "12월")};
  return month >= 1 && month <= 12 ? translate("pdx::dates", kNames[static_cast<size_t>(month - 1)])
                                   : number(month);
}

} // namespace

std::string dateTimeText(const DateTime &when, int shownHour) {
  //: %1 year, %2 month, %3 day, %4 오전/오후, %5 the hour shown in Korean, %6 minute,
  //: %7 month name, %8 two-digit minute, %9 12-hour clock hour
  return fill(translate("pdx::dates", "%1년 %2월 %3일 %4 %5시 %6분"),
              {number(when.year), number(when.month), number(when.day), halfOfDay(when.hour),
               number(shownHour), number(when.minute), monthName(when.month), twoDigits(when.minute),
               number(twelveHour(when.hour))});
}

std::string monthDayText(int month, int day) {
  //: %1 month, %2 day, %3 month name
  return fill(translate("pdx::dates", "%1월 %2일"), {number(month), number(day), monthName(month)});
}

std::string clockText(int hour, int minute) {
  //: %1 오전/오후, %2 12-hour clock hour, %3 minute, %4 two-digit minute
  return fill(translate("pdx::dates", "%1 %2시 %3분"),
              {halfOfDay(hour), number(twelveHour(hour)), number(minute), twoDigits(minute)});
}

std::string weekdayText(int weekday) {
  static constexpr std::array<const char *, 7> kNames = {
      QT_TRANSLATE_NOOP("pdx::dates", "일요일"), QT_TRANSLATE_NOOP("pdx::dates", "월요일"),
      QT_TRANSLATE_NOOP("pdx::dates", "화요일"), QT_TRANSLATE_NOOP("pdx::dates", "수요일"),
      QT_TRANSLATE_NOOP("pdx::dates", "목요일"), QT_TRANSLATE_NOOP("pdx::dates", "금요일"),
      QT_TRANSLATE_NOOP("pdx::dates", "토요일")};
  return weekday >= 0 && weekday < 7 ? translate("pdx::dates", kNames[static_cast<size_t>(weekday)]) : "";
}

} // namespace pdx::text
