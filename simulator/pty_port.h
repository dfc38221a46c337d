// The plumbing the simulators share: a new pseudo-terminal whose far side
// stays open (and raw) between the program's sessions, or an existing
// serial device set raw.
#pragma once

#include <optional>
#include <string>
#include <termios.h>

namespace pdx::simulator {

struct PtyEnds {
  int fd = -1;      // the simulator's side
  int slaveFd = -1; // held open; -1 for a device
  std::string path; // what the program opens
};

// A new pseudo-terminal at `speed` (B19200, B115200...); nothing, with a
// Korean `error`, when it cannot be made.
std::optional<PtyEnds> createPty(speed_t speed, std::string &error);
// An existing serial device set to `speed` 8N1 raw.
std::optional<PtyEnds> openRawDevice(const std::string &path, speed_t speed, std::string &error);

} // namespace pdx::simulator
