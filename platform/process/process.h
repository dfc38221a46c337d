// Starting other programs, detached from ours, and running short helper
// commands whose output we read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pdx::platform {

// Why a program could not be started.
enum class StartFailure {
  None,
  NotFound,      // no such executable
  NotExecutable, // exists but cannot be run (permissions, not a program)
  NoResources,   // out of memory or processes
  Other,
};

// Finds `program` in `firstFolder`, then on PATH; a name holding a '/' is
// taken as it stands. Nothing when it exists nowhere.
std::optional<std::filesystem::path> findProgram(const std::string &program,
                                                 const std::filesystem::path &firstFolder);

// Starts `program` with `arguments` as a process of its own (it outlives
// ours and is never waited for), and says whether the start failed.
StartFailure startDetached(const std::filesystem::path &program, const std::vector<std::string> &arguments);

// Runs a command to its end and returns its standard output, or nothing
// when it could not be run or failed.
std::optional<std::string> runAndRead(const std::filesystem::path &program,
                                      const std::vector<std::string> &arguments);

} // namespace pdx::platform
