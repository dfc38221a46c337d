// Pieces shared by the speed-dial, alarm and option commands.
#pragma once

#include "apps/pelodex/adapters/transfers_phone.h"
#include "cli/phone_settings.h"
#include "features/common/page_user.h"
#include "link/session/phone_session.h"

#include <functional>
#include <optional>
#include <string>

namespace pdx::cli::settings {

// The user of the commands: messages go to standard error and every
// question is answered yes (the command line is the confirmation).
class ConsoleUser : public features::PageUser {
public:
  void tell(const std::string &message) override;
  bool ask(const std::string &) override { return true; }
};

// Prints the outcome's sentence; its exit status.
int fail(link::Outcome outcome);
// Prints `message`; the usage exit status.
int usage(const std::string &message);
// The exit status of a write through `phone` that returned `ok`.
int writeStatus(bool ok, const pelodex::TransfersPhone &phone);

std::optional<int> parseInt(const std::string &text, int low, int high);
// The next positional argument as an integer in [low, high]; a missing or
// bad one makes `args` invalid.
std::optional<int> positionalInt(Args &args, const std::string &what, int low, int high);

// Reads with `read(transfers)`, then runs `write(phone, user)`; the exit
// status.
template <typename Read, typename Write> int afterRead(link::PhoneSession &session, Read read, Write write) {
  if (const link::Outcome outcome = std::invoke(read, session.transfers()); outcome != link::Outcome::Ok) {
    return fail(outcome);
  }
  pelodex::TransfersPhone phone(session.transfers(), session.link());
  ConsoleUser user;
  return write(phone, user);
}

std::optional<SessionCommand> speedDialCommand(const std::string &command, Args &args);
std::optional<SessionCommand> alarmCommand(const std::string &command, Args &args);
std::optional<SessionCommand> setOptionCommand(Args &args);
int readSpeedDials(link::PhoneSession &session);
int readOptions(link::PhoneSession &session);

} // namespace pdx::cli::settings
