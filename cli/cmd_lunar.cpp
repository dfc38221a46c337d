// pelodex-cli lunar: Gregorian dates to Korean lunar dates, one JSON line per
// day.
#include "cli/commands.h"
#include "core/base/user_text.h"
#include "core/calendar/gregorian.h"
#include "core/calendar/lunar.h"

#include <cstdio>
#include <optional>
#include <string>

namespace pdx::cli {
namespace {

struct Date {
  int year;
  int month;
  int day;
};

// "YYYY-MM-DD" (month and day may have one digit) of a real date.
std::optional<Date> parseDate(const std::string &text) {
  Date date{};
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &tail) != 3 ||
      !calendar::isValidDate(date.year, date.month, date.day)) {
    return std::nullopt;
  }
  return date;
}

Date nextDay(Date date) {
  if (++date.day > calendar::daysInMonth(date.year, date.month)) {
    date.day = 1;
    if (++date.month > 12) {
      date.month = 1;
      ++date.year;
    }
  }
  return date;
}

void printDay(const Date &date) {
  std::printf("{\"date\":\"%04d-%02d-%02d\",", date.year, date.month, date.day);
  const auto lunar = calendar::toLunar(date.year, date.month, date.day);
  if (!lunar) {
    std::printf("\"lunar\":null}\n");
    return;
  }
  std::printf("\"year\":%d,\"month\":%d,\"day\":%d,\"leap\":%s}\n", lunar->year, lunar->month, lunar->day,
              lunar->leap ? "true" : "false");
}

std::optional<Date> takeDate(Args &args, const std::optional<std::string> &text) {
  if (!text) {
    return std::nullopt;
  }
  const auto date = parseDate(*text);
  if (!date) {
    args.fail(pdx::text::fill(pdx::text::translate("pdx::cli", "날짜가 올바르지 않습니다 (YYYY-MM-DD): %1"),
                              {*text}));
  }
  return date;
}

} // namespace

int runLunar(Args &args) {
  const auto fromText = args.option("--from");
  const auto toText = args.option("--to");
  const auto single = fromText || toText ? std::nullopt : args.positional();
  auto from = takeDate(args, single ? single : fromText);
  auto to = takeDate(args, single ? single : toText);
  if (args.ok() && (!from || !to)) {
    args.fail(pdx::text::translate("pdx::cli", "날짜를 하나 주거나 --from 과 --to 를 함께 주십시오."));
  }
  if (args.ok() && calendar::dayNumber(from->year, from->month, from->day) >
                       calendar::dayNumber(to->year, to->month, to->day)) {
    args.fail(pdx::text::translate("pdx::cli", "--from 날짜가 --to 날짜보다 늦습니다."));
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  for (Date date = *from;; date = nextDay(date)) {
    printDay(date);
    if (date.year == to->year && date.month == to->month && date.day == to->day) {
      break;
    }
  }
  return 0;
}

} // namespace pdx::cli
