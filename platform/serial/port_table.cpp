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
  // Stepped with an error code: a folder that fails half way ends the list
  // instead of throwing.
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code unresolved;
    const auto target = std::filesystem::canonical(it->path(), unresolved);
    aliases.push_back({it->path().filename().string(), unresolved ? std::string() : target.string()});
  }
  std::sort(aliases.begin(), aliases.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
  return aliases;
}

} // namespace pdx::platform
