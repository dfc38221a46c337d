// The AT modem's data as a JSON file: the SIM's PIN, PUK, attempts and PIN
// lock, the identity, both phonebooks entry by entry, and the 30 message
// places (null when empty) with their status and PDU in hexadecimal.
// Messages handed over by +CMGS are the network's and are not kept; a
// loaded SIM waits for its PIN when its lock is on, as after a power-on.
#pragma once

#include "simulator/at/at_modem_state.h"
#include "simulator/state_file.h"

#include <filesystem>
#include <nlohmann/json.hpp>

namespace pdx::simulator::at {

nlohmann::json modemStateToJson(const AtModemState &state);
// False (with `error` set, the faulty field first) when the document is not
// a modem state every command of the modem can serve.
bool modemStateFromJson(const nlohmann::json &json, AtModemState &state, std::string &error);

StateLoad loadModemState(const std::filesystem::path &path, AtModemState &state, std::string &error);
// Written atomically; false (with `error`) on failure.
bool saveModemState(const std::filesystem::path &path, const AtModemState &state, std::string &error);

} // namespace pdx::simulator::at
