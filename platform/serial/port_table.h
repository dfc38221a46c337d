// Which device each of COM1..COM8 names: from the settings (profile
// "Pelodex", section "Communication", values "COM1".."COM8"), with defaults
// that put USB-serial adapters first, where the port search looks first.
#pragma once

#include "platform/serial/comm_port.h"

#include <filesystem>
#include <vector>

namespace pdx::platform {

class Settings;

PortTable defaultPortTable();
// The table of the settings; a missing or empty value takes its default.
PortTable loadPortTable(const Settings &settings);

// A stable name under /dev/serial/by-id and the device it points to.
struct SerialAlias {
  std::string name;
  std::string target;
};
std::vector<SerialAlias> serialAliases(const std::filesystem::path &folder = "/dev/serial/by-id");

} // namespace pdx::platform
