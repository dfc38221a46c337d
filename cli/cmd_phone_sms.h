// pelodex-cli phone's message commands: sms-load, sms-save, mark-read and
// delete-sms, with the sent and received pages' rules, on either kind of
// phone.
#pragma once

#include "cli/args.h"
#include "cli/phone_connect.h"

#include <functional>
#include <optional>
#include <string>

namespace pdx::cli {

// The message command `command` with its arguments taken from `args`; nothing
// when `command` is not one of them.
std::optional<PhoneCommand> smsCommand(const std::string &command, Args &args);

} // namespace pdx::cli
