#include "simulator/pty_port.h"

#include "core/base/user_text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pdx::simulator {

namespace {

bool makeRaw(int fd, speed_t speed) {
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) {
    return false;
  }
  ::cfmakeraw(&tio);
  ::cfsetispeed(&tio, speed);
  ::cfsetospeed(&tio, speed);
  tio.c_cflag |= CLOCAL | CREAD;
  return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

std::string systemError(const std::string &what) {
  return what + ": " + std::strerror(errno);
}

} // namespace

std::optional<PtyEnds> createPty(speed_t speed, std::string &error) {
  const int fd = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (fd < 0 || ::grantpt(fd) != 0 || ::unlockpt(fd) != 0) {
    error = systemError(text::translate("pdx::simulator", "의사 터미널을 만들 수 없습니다"));
    if (fd >= 0) {
      ::close(fd);
    }
    return std::nullopt;
  }
  char name[128] = {};
  ::ptsname_r(fd, name, sizeof name);
  const int slave = ::open(name, O_RDWR | O_NOCTTY);
  if (slave < 0 || !makeRaw(slave, speed)) {
    error = systemError(
        text::fill(text::translate("pdx::simulator", "의사 터미널을 설정할 수 없습니다: %1"), {name}));
    ::close(fd);
    if (slave >= 0) {
      ::close(slave);
    }
    return std::nullopt;
  }
  return PtyEnds{fd, slave, name};
}

std::optional<PtyEnds> openRawDevice(const std::string &path, speed_t speed, std::string &error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
  if (fd < 0 || !makeRaw(fd, speed)) {
    error = systemError(text::fill(text::translate("pdx::simulator", "장치를 열 수 없습니다: %1"), {path}));
    if (fd >= 0) {
      ::close(fd);
    }
    return std::nullopt;
  }
  return PtyEnds{fd, -1, path};
}

} // namespace pdx::simulator
