// Reading, writing and the watch thread of the serial port.
#include "platform/serial/comm_port.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace pdx::platform {

size_t CCommPort::read(std::span<uint8_t> buffer) {
  if (!open_) {
    return 0;
  }
  int queued = 0;
  if (::ioctl(fd_, FIONREAD, &queued) != 0) {
    hungUp_ = true;
    return 0;
  }
  const size_t want = std::min(buffer.size(), static_cast<size_t>(std::max(queued, 0)));
  if (want == 0) {
    return 0;
  }
  const ssize_t count = ::read(fd_, buffer.data(), want);
  if (count > 0) {
    return static_cast<size_t>(count);
  }
  // Bytes were queued, yet the read found none or failed: the device is gone.
  if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
    hungUp_ = true;
  }
  return 0;
}

size_t CCommPort::writeAll(const uint8_t *data, size_t size) {
  if (!open_) {
    return 0;
  }
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd_, data + done, size - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) {
      break;
    }
    // The output queue is full: wait for room, at most the write time-out.
    pollfd pfd{fd_, POLLOUT, 0};
    if (::poll(&pfd, 1, kWriteTimeoutMs) <= 0) {
      break;
    }
  }
  return done;
}

size_t CCommPort::writeByte(uint8_t byte) {
  return writeAll(&byte, 1);
}

size_t CCommPort::writeText(std::string_view text) {
  return writeAll(reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

void CCommPort::readerDone() {
  {
    std::lock_guard lock(mutex_);
    readerDone_ = true;
  }
  readerDoneChanged_.notify_all();
}

// Waits for input and reports it; a hang-up or error of the device is
// reported once more and ends the watch, so nothing spins on a dead device.
void CCommPort::watch(int generation) {
  const std::weak_ptr<int> alive = lifetime_;
  while (open_ && !hungUp_) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) {
        continue;
      }
      hungUp_ = true;
    }
    if (!open_ || (fds[1].revents & POLLIN) != 0) {
      break;
    }
    if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      hungUp_ = true;
    }
    {
      std::lock_guard lock(mutex_);
      readerDone_ = false;
    }
    loop_.post([this, alive, generation] {
      if (alive.expired() || generation != generation_ || !arrived_) {
        return;
      }
      arrived_();
    });
    std::unique_lock lock(mutex_);
    readerDoneChanged_.wait(lock, [this] { return readerDone_ || !open_; });
  }
}

} // namespace pdx::platform
