#include "platform/serial/comm_port.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace pdx::platform {
namespace {

link::OpenFailure failureOf(int error) {
  switch (error) {
  case ENOENT:
  case ENODEV:
  case ENXIO:
    return link::OpenFailure::NoSuchDevice;
  case EACCES:
  case EPERM:
    return link::OpenFailure::PermissionDenied;
  case EBUSY:
  case EWOULDBLOCK:
    return link::OpenFailure::Busy;
  case ENOTTY:
    return link::OpenFailure::NotASerialDevice;
  default:
    return link::OpenFailure::Other;
  }
}

speed_t speedOf(uint32_t baud) {
  switch (baud) {
  case 1200:
    return B1200;
  case 2400:
    return B2400;
  case 4800:
    return B4800;
  case 9600:
    return B9600;
  case 38400:
    return B38400;
  case 57600:
    return B57600;
  case 115200:
    return B115200;
  default:
    return B19200;
  }
}

tcflag_t sizeOf(uint8_t bits) {
  switch (bits) {
  case 5:
    return CS5;
  case 6:
    return CS6;
  case 7:
    return CS7;
  default:
    return CS8;
  }
}

} // namespace

const char *portName(int index) {
  static constexpr std::array<const char *, kPortCount> kNames = {"COM1", "COM2", "COM3", "COM4",
                                                                  "COM5", "COM6", "COM7", "COM8"};
  return index >= 0 && index < kPortCount ? kNames[static_cast<size_t>(index)] : "?";
}

CCommPort::CCommPort(EventLoop &loop, PortTable ports) : loop_(loop), ports_(std::move(ports)) {}

CCommPort::~CCommPort() {
  close();
}

bool CCommPort::open(int index) {
  if (open_) {
    failure_ = link::OpenFailure::AlreadyOpen;
    return false;
  }
  settings_ = PortSettings{};
  settings_.port = static_cast<uint32_t>(index);
  settings_.rtsCts = 0;
  return openConfigured();
}

bool CCommPort::openConfigured() {
  if (open_) {
    failure_ = link::OpenFailure::AlreadyOpen;
    return false;
  }
  const size_t index = settings_.port;
  if (index >= ports_.size() || ports_[index].empty()) {
    failure_ = link::OpenFailure::NoSuchDevice;
    return false;
  }
  const int fd = ::open(ports_[index].c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    failure_ = failureOf(errno);
    return false;
  }
  // Exclusive use: no second program may share the cable.
  if (!::isatty(fd) || ::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
    failure_ = ::isatty(fd) ? failureOf(errno) : link::OpenFailure::NotASerialDevice;
    ::close(fd);
    return false;
  }
  fd_ = fd;
  if (!configureLine()) {
    failure_ = link::OpenFailure::NotASerialDevice;
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  int wake[2];
  if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
    failure_ = link::OpenFailure::Other;
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  wakeRead_ = wake[0];
  wakeWrite_ = wake[1];
  failure_ = link::OpenFailure::None;
  readerDone_ = true;
  hungUp_ = false;
  open_ = true;
  watcher_ = std::thread(&CCommPort::watch, this, ++generation_);
  (void)setDtr(true);
  purge();
  return true;
}

bool CCommPort::configureLine() {
  termios tio{};
  if (::tcgetattr(fd_, &tio) != 0) {
    return false;
  }
  ::cfmakeraw(&tio);
  ::cfsetispeed(&tio, speedOf(settings_.baudRate));
  ::cfsetospeed(&tio, speedOf(settings_.baudRate));
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  tio.c_cflag |= sizeOf(settings_.dataBits) | CLOCAL | CREAD;
  if (settings_.parity != 0) {
    tio.c_cflag |= PARENB;
    tio.c_cflag |= settings_.parity == 1 || settings_.parity == 3 ? PARODD : 0;
    tio.c_cflag |= settings_.parity >= 3 ? CMSPAR : 0;
    tio.c_iflag |= INPCK;
  }
  tio.c_cflag |= settings_.stopBits != 0 ? CSTOPB : 0;
  tio.c_cflag |= settings_.rtsCts != 0 ? CRTSCTS : 0;
  tio.c_iflag |= settings_.xonXoff != 0 ? (IXON | IXOFF) : 0;
  tio.c_cc[VSTART] = 0x11;
  tio.c_cc[VSTOP] = 0x13;
  // A read returns at once with what is queued.
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  return ::tcsetattr(fd_, TCSANOW, &tio) == 0;
}

int CCommPort::setDtr(bool on) {
  if (settings_.dtrDsr != 0) {
    return 2;
  }
  if (fd_ >= 0) {
    int bits = TIOCM_DTR;
    // A pseudo-terminal has no modem lines and refuses; that is not an error.
    (void)::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits);
  }
  return 0;
}

void CCommPort::purge() {
  ::tcflush(fd_, TCIOFLUSH);
}

void CCommPort::close() {
  if (!open_) {
    return;
  }
  open_ = false;
  {
    std::lock_guard lock(mutex_);
    readerDone_ = true;
  }
  readerDoneChanged_.notify_all();
  const char wake = 1;
  (void)::write(wakeWrite_, &wake, 1);
  if (watcher_.joinable()) {
    watcher_.join();
  }
  (void)setDtr(false);
  purge();
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  ::close(wakeRead_);
  ::close(wakeWrite_);
  fd_ = wakeRead_ = wakeWrite_ = -1;
}

} // namespace pdx::platform
