// pelodex-cli phone commands over the phone's own settings: speed dials,
// alarms and options, on the same logic as Pelodex's pages.
#pragma once

#include "cli/args.h"

#include <functional>
#include <optional>
#include <string>

namespace pdx::link {
class PhoneSession;
}

namespace pdx::cli {

using SessionCommand = std::function<int(link::PhoneSession &)>;

// The command named `command`, its arguments taken from `args` (failures
// recorded there, the command then empty), or nothing when `command` is
// not one of these.
std::optional<SessionCommand> phoneSettingsCommand(const std::string &command, Args &args);
// "read speed-dials" and "read options"; nothing for other reads.
std::optional<SessionCommand> phoneSettingsRead(const std::string &what);

} // namespace pdx::cli
