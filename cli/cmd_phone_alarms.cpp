// pelodex-cli phone add-alarm, modify-alarm and delete-alarm: the record is
// built exactly as the alarm edit dialog builds it.
#include "cli/phone_settings_parts.h"
#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "core/data/calendar.h"
#include "features/alarms/alarm_editor.h"
#include "features/alarms/alarm_form.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace pdx::cli::settings {
namespace {

constexpr const char *kPeriods[] = {"once", "daily", "weekly", "monthly"};
constexpr size_t kMemoBytes = 12;

// "HH:MM" (00:00 to 23:59) as minutes of the day.
std::optional<int> parseTime(const std::string &text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos) {
    return std::nullopt;
  }
  const auto hour = parseInt(text.substr(0, colon), 0, 23);
  const auto minute = parseInt(text.substr(colon + 1), 0, 59);
  return hour && minute ? std::optional(*hour * 60 + *minute) : std::nullopt;
}

// The fields given on the command line, applied to a form as the user sets
// the dialog's fields.
struct AlarmChanges {
  std::optional<int> period;
  std::optional<int> minutes; // of the day
  std::optional<std::pair<int, int>> date;
  std::optional<long> weekday;
  std::optional<long> day;
  std::optional<std::string> memo; // code page 949

  void applyTo(features::AlarmForm &form) const {
    form.period = period.value_or(form.period);
    if (minutes) {
      form.pm = *minutes >= 12 * 60;
      const int hour = *minutes / 60 % 12;
      form.hour = hour == 0 && form.pm ? 12 : hour;
      form.minute = *minutes % 60;
    }
    if (date) { // a date without a year: its next occurrence
      std::tie(form.month, form.day) = *date;
      form.year = 0;
    }
    form.weekday = static_cast<int>(weekday.value_or(form.weekday));
    form.day = static_cast<int>(day.value_or(form.day));
    form.memo = memo.value_or(form.memo);
    if (form.memo.empty()) {
      (void)form.choosePeriod(form.period);
    }
  }
};

std::optional<std::pair<int, int>> parseDate(const std::string &text) {
  const size_t dash = text.find('-');
  if (dash == std::string::npos) {
    return std::nullopt;
  }
  const auto month = parseInt(text.substr(0, dash), 1, 12);
  const auto day = parseInt(text.substr(dash + 1), 1, 31);
  return month && day && core::isMonthDay(*month, *day) ? std::optional(std::pair(*month, *day))
                                                        : std::nullopt;
}

std::optional<AlarmChanges> changesFromArgs(Args &args) {
  AlarmChanges changes;
  if (const auto period = args.option("--period")) {
    const auto *found = std::find(std::begin(kPeriods), std::end(kPeriods), *period);
    if (found == std::end(kPeriods)) {
      args.fail(text::translate("pdx::cli::Phone",
                                "--period 는 once, daily, weekly, monthly 중 하나여야 합니다: ") +
                *period);
    }
    changes.period = static_cast<int>(found - std::begin(kPeriods));
  }
  if (const auto time = args.option("--time")) {
    changes.minutes = parseTime(*time);
    if (!changes.minutes) {
      args.fail(text::translate("pdx::cli::Phone", "--time 은 HH:MM (00:00~23:59) 이어야 합니다: ") + *time);
    }
  }
  if (const auto date = args.option("--date")) {
    changes.date = parseDate(*date);
    if (!changes.date) {
      args.fail(text::translate("pdx::cli::Phone", "--date 는 달력에 있는 MM-DD 이어야 합니다: ") + *date);
    }
  }
  changes.weekday = args.number("--weekday", 0, 6);
  changes.day = args.number("--day", 1, 31);
  if (const auto memo = args.option("--memo")) {
    changes.memo = text::fromUtf8(*memo);
    if (changes.memo->size() > kMemoBytes) {
      args.fail(text::translate("pdx::cli::Phone", "--memo 는 12바이트(한글 6자)까지입니다: ") + *memo);
    }
  }
  return args.ok() ? std::optional(changes) : std::nullopt;
}

features::AlarmEditor editorOf(link::PhoneSession &s, features::AlarmPhone &phone, features::PageUser &user) {
  return features::AlarmEditor(s.store(), phone, user, [] { return core::CivilTime::nowInKorea(); });
}

SessionCommand addAlarm(const AlarmChanges &changes) {
  return [changes](link::PhoneSession &s) {
    return afterRead(s, &link::PhoneTransfers::readAlarms, [&](auto &phone, auto &user) {
      features::AlarmEditor editor = editorOf(s, phone, user);
      if (!editor.mayAdd()) {
        return kBadArguments;
      }
      features::AlarmForm form = features::newAlarmForm(editor.now());
      changes.applyTo(form);
      if (const auto refusal = features::alarmDateRefusal(form)) {
        return usage(*refusal);
      }
      const auto position = editor.add(features::buildAlarm(form, editor.now()));
      if (position) {
        std::printf("%zu\n", *position);
      }
      return writeStatus(position.has_value(), phone);
    });
  };
}

SessionCommand modifyAlarm(int position, const AlarmChanges &changes) {
  return [position, changes](link::PhoneSession &s) {
    return afterRead(s, &link::PhoneTransfers::readAlarms, [&](auto &phone, auto &user) {
      features::AlarmEditor editor = editorOf(s, phone, user);
      if (static_cast<size_t>(position) >= editor.size()) {
        return usage(text::fill(text::translate("pdx::cli::Phone", "휴대폰에 %1번 위치의 알람이 없습니다."),
                                {std::to_string(position)}));
      }
      features::AlarmForm form = features::formOf(editor.alarm(static_cast<size_t>(position)));
      changes.applyTo(form);
      if (!form.canAccept()) {
        return usage(
            text::translate("pdx::cli::Phone", "알람주기가 정해지지 않았습니다. --period 를 주세요."));
      }
      if (const auto refusal = features::alarmDateRefusal(form)) {
        return usage(*refusal);
      }
      const auto moved =
          editor.modify(static_cast<size_t>(position), features::buildAlarm(form, editor.now()));
      if (moved) {
        std::printf("%zu\n", *moved);
      }
      return writeStatus(moved.has_value(), phone);
    });
  };
}

SessionCommand deleteAlarm(int position) {
  return [position](link::PhoneSession &s) {
    return afterRead(s, &link::PhoneTransfers::readAlarms, [&](auto &phone, auto &user) {
      features::AlarmEditor editor = editorOf(s, phone, user);
      if (static_cast<size_t>(position) >= editor.size()) {
        return usage(text::fill(text::translate("pdx::cli::Phone", "휴대폰에 %1번 위치의 알람이 없습니다."),
                                {std::to_string(position)}));
      }
      return writeStatus(editor.remove(static_cast<size_t>(position)).has_value(), phone);
    });
  };
}

} // namespace

std::optional<SessionCommand> alarmCommand(const std::string &command, Args &args) {
  const auto position = command == "add-alarm"
                            ? std::optional(0)
                            : positionalInt(args, text::translate("pdx::cli::Phone", "알람 위치"), 0, 9);
  if (command == "delete-alarm") {
    return position ? std::optional(deleteAlarm(*position)) : std::nullopt;
  }
  const auto changes = changesFromArgs(args);
  if (command == "add-alarm" && changes && (!changes->period || !changes->minutes)) {
    args.fail(text::translate("pdx::cli::Phone", "add-alarm 에는 --period 와 --time 이 필요합니다."));
    return std::nullopt;
  }
  if (!position || !changes) {
    return std::nullopt;
  }
  return command == "add-alarm" ? addAlarm(*changes) : modifyAlarm(*position, *changes);
}

} // namespace pdx::cli::settings
