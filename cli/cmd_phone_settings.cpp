// The speed-dial, alarm and option commands of pelodex-cli phone. Each reads
// what the page would show first, then runs the page's command through the
// shared logic, so that the phone gets exactly what Pelodex would send.
#include "cli/phone_settings_parts.h"
#include "core/base/user_text.h"

#include <charconv>
#include <cstdio>

namespace pdx::cli {

namespace settings {

void ConsoleUser::tell(const std::string &message) {
  std::fprintf(stderr, "pelodex-cli: %s\n", message.c_str());
}

int fail(link::Outcome outcome) {
  std::fprintf(stderr, "pelodex-cli: %s\n", link::describe(outcome));
  return link::exitStatus(outcome);
}

int usage(const std::string &message) {
  std::fprintf(stderr, "pelodex-cli: %s\n", message.c_str());
  return kBadArguments;
}

int writeStatus(bool ok, const pelodex::TransfersPhone &phone) {
  if (ok) {
    return 0;
  }
  const link::Outcome outcome = phone.lastOutcome();
  return link::exitStatus(outcome == link::Outcome::Ok ? link::Outcome::Refused : outcome);
}

std::optional<int> parseInt(const std::string &text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> positionalInt(Args &args, const std::string &what, int low, int high) {
  const auto text = args.positional();
  const auto value = text ? parseInt(*text, low, high) : std::nullopt;
  if (!value) {
    args.fail(what + ": " +
              text::fill(text::translate("pdx::cli::Phone", "%1에서 %2 사이의 수를 쓰세요."),
                         {std::to_string(low), std::to_string(high)}));
  }
  return value;
}

} // namespace settings

std::optional<SessionCommand> phoneSettingsCommand(const std::string &command, Args &args) {
  if (command == "set-speed-dial" || command == "clear-speed-dial" || command == "move-speed-dial") {
    return settings::speedDialCommand(command, args).value_or(SessionCommand());
  }
  if (command == "add-alarm" || command == "modify-alarm" || command == "delete-alarm") {
    return settings::alarmCommand(command, args).value_or(SessionCommand());
  }
  if (command == "set-option") {
    return settings::setOptionCommand(args).value_or(SessionCommand());
  }
  return std::nullopt;
}

std::optional<SessionCommand> phoneSettingsRead(const std::string &what) {
  if (what == "speed-dials") {
    return settings::readSpeedDials;
  }
  if (what == "options") {
    return settings::readOptions;
  }
  return std::nullopt;
}

} // namespace pdx::cli
