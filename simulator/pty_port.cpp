#include "simulator/pty_port.h"

#include "core/base/user_text.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

bool PtyLine::write(std::span<const uint8_t> bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = ends_.fd < 0 ? -1 : ::write(ends_.fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) {
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void PtyLine::serve(const std::atomic<bool> &stop, const Due &due, const Received &received) {
  std::array<uint8_t, 4096> buffer{};
  while (!stop && ends_.fd >= 0) {
    pollfd pfd{ends_.fd, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, static_cast<int>(due().count()));
    if (ready <= 0 || (pfd.revents & POLLIN) == 0) {
      // A device whose far side is gone keeps reporting it: wait, do not spin.
      if (ready > 0 && ends_.slaveFd < 0 && (pfd.revents & (POLLHUP | POLLERR)) != 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
      continue;
    }
    const ssize_t count = ::read(ends_.fd, buffer.data(), buffer.size());
    if (count > 0 && !received(std::span(buffer).first(static_cast<size_t>(count)))) {
      hangUp();
    }
  }
}

void PtyLine::hangUp() {
  if (ends_.slaveFd >= 0) {
    ::close(std::exchange(ends_.slaveFd, -1));
  }
  if (ends_.fd >= 0) {
    ::close(std::exchange(ends_.fd, -1));
  }
}

} // namespace pdx::simulator
