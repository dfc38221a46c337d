// The simulated phone's data as a JSON file: texts in UTF-8, the phonebook
// and groups field by field, the other records as hex strings of their
// wire bytes.
#pragma once

#include "simulator/phone_model.h"
#include "simulator/state_file.h"

#include <filesystem>
#include <nlohmann/json.hpp>

namespace pdx::simulator {

nlohmann::json stateToJson(const PhoneState &state);
// False (with `error` set) when the document is not a phone state.
bool stateFromJson(const nlohmann::json &json, PhoneState &state, std::string &error);

StateLoad loadState(const std::filesystem::path &path, PhoneState &state, std::string &error);
// Written atomically; false (with `error`) on failure.
bool saveState(const std::filesystem::path &path, const PhoneState &state, std::string &error);

} // namespace pdx::simulator
