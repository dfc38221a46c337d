#include "platform/serial/port_table.h"

#include "platform/settings/settings.h"

#include <algorithm>
#include <system_error>
#include <tuple>

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

namespace {

// The path a device name leads to, or the name itself when it leads nowhere.
std::string resolved(const std::string &path) {
  std::error_code error;
  const auto target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

// ttyUSB0 < ttyUSB2 < ttyUSB10 < ttyACM0 by kind, then number.
bool adapterBefore(const std::string &a, const std::string &b) {
  const auto key = [](const std::string &name) {
    const size_t digits = name.find_first_of("0123456789");
    const std::string kind = name.substr(0, digits);
    return std::make_tuple(kind != "ttyUSB", kind,
                           digits == std::string::npos ? 0 : std::stoi(name.substr(digits)));
  };
  return key(a) < key(b);
}

} // namespace

std::vector<std::string> searchDevices(const PortTable &table, int preferred,
                                       const std::filesystem::path &dev) {
  std::vector<std::string> names;
  constexpr int kTableSearch = 4;
  names.push_back(table[static_cast<size_t>(std::clamp(preferred, 0, kTableSearch - 1))]);
  for (int i = 0; i < kTableSearch; ++i) {
    names.push_back(table[static_cast<size_t>(i)]);
  }
  std::vector<std::string> adapters;
  std::error_code error;
  for (std::filesystem::directory_iterator it(dev, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with("ttyUSB") || name.starts_with("ttyACM")) {
      adapters.push_back(name);
    }
  }
  std::sort(adapters.begin(), adapters.end(), adapterBefore);
  for (const std::string &name : adapters) {
    names.push_back((dev / name).string());
  }
  std::vector<std::string> out;
  std::vector<std::string> seen;
  for (const std::string &name : names) {
    const std::string target = resolved(name);
    if (!name.empty() && std::find(seen.begin(), seen.end(), target) == seen.end()) {
      seen.push_back(target);
      out.push_back(name);
    }
  }
  return out;
}

} // namespace pdx::platform
