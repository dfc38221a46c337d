// The phone-data program's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pdx::pelodex {

struct PelodexOptions {
  bool testMode = false;             // "/TestMode", "-TestMode" or "--TestMode"
  std::optional<std::string> device; // --device PATH: COM1 is that device, and preferred
  std::vector<std::string> unknown;  // anything else, reported and ignored
};

PelodexOptions parsePelodexOptions(const std::vector<std::string> &arguments);

} // namespace pdx::pelodex
