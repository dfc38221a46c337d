// Starting the editors and the data-service connection from the main menu.
#pragma once

#include "platform/process/process.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pdx::pelodex {

// Starts `program` from `programFolder` (then from PATH) and returns the
// message for the user when it could not be started, or "" when it was.
// `displayName` names the program in the message.
std::string runProgram(const std::string &program, const std::vector<std::string> &arguments,
                       const std::filesystem::path &programFolder, const std::string &displayName);

// The message for a start failure ("" for none).
std::string startFailureMessage(platform::StartFailure failure, const std::string &displayName);

// The data-service connection is the NetworkManager connection named
// "QZ Telecom", brought up with nmcli.
enum class DialupState { NotInstalled, NotRegistered, Ready };

DialupState checkDialup();
// The message for a state that cannot connect ("" for Ready).
std::string dialupMessage(DialupState state);
// Brings the connection up, detached; false when nmcli could not be started.
bool startDialup();

inline constexpr const char *kDialupName = "QZ Telecom";

} // namespace pdx::pelodex
