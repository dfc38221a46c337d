#include "cli/phone_ports.h"

#include "core/base/user_text.h"
#include "platform/serial/port_holder.h"
#include "platform/serial/port_table.h"

#include <cstdio>
#include <filesystem>

namespace pdx::cli {

namespace {

// The by-id names leading to `device`, or "-".
std::string aliasesOf(const std::string &device, const std::vector<platform::SerialAlias> &aliases) {
  std::error_code error;
  const std::string target = std::filesystem::canonical(device, error).string();
  std::string names;
  for (const auto &alias : aliases) {
    if (!error && alias.target == target) {
      names += (names.empty() ? "" : ",") + std::string("/dev/serial/by-id/") + alias.name;
    }
  }
  return names.empty() ? "-" : names;
}

std::string stateOf(const std::string &device, EventLoop &loop) {
  if (const auto holder = platform::findPortHolder(device)) {
    return text::translate("pdx::cli::Phone", "사용 중: ") + platform::describeHolder(*holder);
  }
  platform::CCommPort port(loop, platform::PortTable{device});
  if (port.open(0)) {
    return text::translate("pdx::cli::Phone", "열 수 있음");
  }
  return text::translate("pdx::cli::Phone", "열 수 없음: ") +
         platform::describeOpenFailure(device, port.lastFailure());
}

} // namespace

int listPorts(const platform::PortTable &ports, EventLoop &loop) {
  const auto aliases = platform::serialAliases();
  std::vector<std::string> listed;
  for (int i = 0; i < platform::kPortCount; ++i) {
    const std::string &device = ports[static_cast<size_t>(i)];
    std::printf("%s\t%s\t%s\t%s\n", platform::portName(i), device.c_str(), aliasesOf(device, aliases).c_str(),
                stateOf(device, loop).c_str());
    listed.push_back(device);
  }
  // USB adapters and modems the table does not name.
  for (const std::string &device : platform::searchDevices(platform::PortTable{}, 0)) {
    if (std::find(listed.begin(), listed.end(), device) == listed.end()) {
      std::printf("-\t%s\t%s\t%s\n", device.c_str(), aliasesOf(device, aliases).c_str(),
                  stateOf(device, loop).c_str());
    }
  }
  return 0;
}

} // namespace pdx::cli
