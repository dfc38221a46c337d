#include "platform/serial/port_table.h"

#include "platform/settings/settings.h"

#include <algorithm>
#include <system_error>

namespace pdx::platform {

PortTable defaultPortTable() {
  return {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1",
          "/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyS2", "/dev/ttyS3"};
}

PortTable loadPortTable(const Settings &settings) {
  PortTable table = defaultPortTable();
  for (int i = 0; i < kPortCount; ++i) {
    const std::string value = settings.text("Communication", portName(i));
    if (!value.empty()) {
      table[static_cast<size_t>(i)] = value;
    }
  }
  return table;
}

std::vector<SerialAlias> serialAliases(const std::filesystem::path &folder) {
  std::vector<SerialAlias> aliases;
  std::error_code error;
  for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
    const auto target = std::filesystem::canonical(entry.path(), error);
    aliases.push_back({entry.path().filename().string(), error ? std::string() : target.string()});
  }
  std::sort(aliases.begin(), aliases.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
  return aliases;
}

} // namespace pdx::platform
