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

// The devices a search for a phone of today tries, in order: COM1..COM4 of
// `table` from `preferred` on (as the original search), then the USB
// serial adapters and modems of `dev` (ttyUSB*, ttyACM*, in number order)
// that no earlier one names; empty and repeated paths left out.
std::vector<std::string> searchDevices(const PortTable &table, int preferred,
                                       const std::filesystem::path &dev = "/dev");

} // namespace pdx::platform
