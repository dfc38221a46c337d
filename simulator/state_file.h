// A simulator's data file, for either protocol: one JSON object, read with
// the limits of outside input and written atomically, with one set of
// messages for what can go wrong with it.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace pdx::simulator {

enum class [[nodiscard]] StateLoad{
    Loaded,
    Unreadable, // not a regular file, too large, or unreadable
    Invalid,    // not JSON, or not a sound state
};

// The file's object; nothing, with `status` and `error` set, when it cannot
// be read or holds no JSON object.
std::optional<nlohmann::json> readStateFile(const std::filesystem::path &path, StateLoad &status,
                                            std::string &error);
// The message for a document that is not a state; `fault` says where.
std::string stateFormatError(const std::string &fault);
// False, with `error` set, when the document cannot be written (text that is
// not UTF-8 included).
bool writeStateFile(const std::filesystem::path &path, const nlohmann::json &document, std::string &error);

} // namespace pdx::simulator
