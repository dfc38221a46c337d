// Who holds a serial device open, as far as the system tells: /proc shows
// the open files of this user's processes, not those of other users (a
// modem manager running as root stays unnamed).
#pragma once

#include "link/serial/serial_device.h"

#include <optional>
#include <string>

namespace pdx::platform {

struct PortHolder {
  int pid = 0;
  std::string name; // the process's command name
};

// The first process found holding `device` (a path, symbolic links
// followed) open; nothing when none is visible.
std::optional<PortHolder> findPortHolder(const std::string &device, const std::string &proc = "/proc");

// Who holds the device and how to free it: ModemManager and brltty, which
// take USB serial devices by themselves, with the command or udev rule
// that lets go of them; any other program by its process number.
std::string describeHolder(const PortHolder &holder);

// link::describe(failure), except that a busy device names its holder when
// one is found.
std::string describeOpenFailure(const std::string &device, link::OpenFailure failure);

} // namespace pdx::platform
