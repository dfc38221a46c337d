#include "core/data/datafile_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pdx::core {

DataFileLock::DataFileLock(const std::filesystem::path &folder) {
  const std::filesystem::path path = folder / "Pelodex.lock";
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) {
    return;
  }
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::Held;
    return;
  }
  state_ = errno == EWOULDBLOCK ? State::Taken : State::Unavailable;
  ::close(fd_);
  fd_ = -1;
}

DataFileLock::~DataFileLock() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

} // namespace pdx::core
