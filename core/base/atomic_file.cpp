#include "core/base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pdx {

namespace {

// Permissions for the new file: those of the file it replaces, or the usual
// ones for a new file under the process's umask.
mode_t permissionsFor(const std::filesystem::path &target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    return st.st_mode & 07777;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
  discard();
}

bool AtomicFile::open() {
  std::string pattern = target_.string() + ".XXXXXX";
  fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) {
    return false;
  }
  temp_ = pattern;
  ::fchmod(fd_, permissionsFor(target_));
  return true;
}

bool AtomicFile::write(std::span<const uint8_t> bytes) {
  if (fd_ < 0 || failed_) {
    return false;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      failed_ = true;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool AtomicFile::flush() {
  if (flushed_) {
    return true;
  }
  if (fd_ < 0 || failed_ || ::fsync(fd_) != 0) {
    discard();
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    discard();
    return false;
  }
  flushed_ = true;
  return true;
}

bool AtomicFile::commit() {
  if (!flush() || ::rename(temp_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  temp_.clear();
  return true;
}

void AtomicFile::discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

DocResult writeFileAtomically(const std::filesystem::path &path, std::span<const uint8_t> bytes) {
  AtomicFile file(path);
  if (!file.open()) {
    return DocResult::CannotCreate;
  }
  if (!file.write(bytes) || !file.commit()) {
    return DocResult::WriteError;
  }
  return DocResult::Ok;
}

} // namespace pdx
