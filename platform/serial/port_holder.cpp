#include "platform/serial/port_holder.h"

#include "core/base/user_text.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace pdx::platform {
namespace {

namespace fs = std::filesystem;

bool sameDevice(const struct stat &a, const struct stat &b) {
  return S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode) && a.st_rdev == b.st_rdev;
}

bool holds(const fs::path &process, const struct stat &device) {
  std::error_code error;
  for (fs::directory_iterator fd(process / "fd", error), end; !error && fd != end; fd.increment(error)) {
    struct stat target {};
    if (::stat(fd->path().c_str(), &target) == 0 && sameDevice(target, device)) {
      return true;
    }
  }
  return false;
}

std::string commandName(const fs::path &process) {
  std::ifstream in(process / "comm");
  std::string name;
  std::getline(in, name);
  return name.empty() ? "?" : name;
}

} // namespace

std::optional<PortHolder> findPortHolder(const std::string &device, const std::string &proc) {
  struct stat wanted {};
  if (::stat(device.c_str(), &wanted) != 0 || !S_ISCHR(wanted.st_mode)) {
    return std::nullopt;
  }
  std::error_code error;
  for (fs::directory_iterator entry(proc, error), end; !error && entry != end; entry.increment(error)) {
    const std::string pid = entry->path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos || !holds(entry->path(), wanted)) {
      continue;
    }
    return PortHolder{std::stoi(pid), commandName(entry->path())};
  }
  return std::nullopt;
}

std::string describeOpenFailure(const std::string &device, link::OpenFailure failure) {
  if (failure == link::OpenFailure::Busy) {
    if (const auto holder = findPortHolder(device)) {
      return text::fill(
          text::translate("pdx::platform",
                          "장치를 %1(프로세스 %2)에서 쓰고 있습니다. 그 프로그램을 끝낸 뒤 다시 하세요."),
          {holder->name, std::to_string(holder->pid)});
    }
  }
  return link::describe(failure);
}

} // namespace pdx::platform
