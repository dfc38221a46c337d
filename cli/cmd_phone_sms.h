// pelodex-cli phone's message commands: sms-load, sms-save, mark-read and
// delete-sms, with the sent and received pages' rules.
#pragma once

#include "cli/args.h"
#include "link/session/phone_session.h"

#include <functional>
#include <optional>
#include <string>

namespace pdx::cli {

using PhoneCommand = std::function<int(link::PhoneSession &)>;

// The message command `command` with its arguments taken from `args`; nothing
// when `command` is not one of them.
std::optional<PhoneCommand> smsCommand(const std::string &command, Args &args);

} // namespace pdx::cli
