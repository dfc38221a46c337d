// The state file behind `simulate`, for either protocol: loaded when it
// exists, else made from the sample.
#pragma once

#include "cli/exit_status.h"
#include "cli/output.h"
#include "simulator/state_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace pdx::cli {

// 0, or the exit status when the file cannot be read (kUnreadableInput),
// holds no sound state (kBadData), or cannot be created from `sample`
// (kCannotCreate). Without a file, `state` is the sample.
template <class State, class Load, class Save>
int loadOrCreateState(const std::optional<std::string> &file, State &state, State sample, Load load,
                      Save save) {
  std::string error;
  std::error_code ignored;
  if (file && std::filesystem::status(*file, ignored).type() != std::filesystem::file_type::not_found) {
    const simulator::StateLoad loaded = load(*file, state, error);
    if (loaded != simulator::StateLoad::Loaded) {
      printError(error);
      return loaded == simulator::StateLoad::Unreadable ? kUnreadableInput : kBadData;
    }
    return 0;
  }
  state = std::move(sample);
  if (file && !save(*file, state, error)) {
    printError(error);
    return kCannotCreate;
  }
  return 0;
}

} // namespace pdx::cli
