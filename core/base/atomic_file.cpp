#include "core/base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <list>
#include <mutex>
#include <string>
#include <string_view>
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

// Follows `path` through symbolic links to the file they name, which need
// not exist yet; a loop stops after the system's usual 40 links and leaves a
// path that fails to open.
std::filesystem::path followLinks(std::filesystem::path path) {
  namespace fs = std::filesystem;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) {
      return path;
    }
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) {
      return path;
    }
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

// The temporary file's name beside `target`; a name near the system's limit
// gets a short one rather than failing.
std::string temporaryPattern(const std::filesystem::path &target) {
  constexpr size_t kNameMax = 255;
  constexpr std::string_view kSuffix = ".XXXXXX";
  if (target.filename().native().size() + kSuffix.size() <= kNameMax) {
    return target.native() + std::string(kSuffix);
  }
  return (target.parent_path() / ".pdx-save").native() + std::string(kSuffix);
}

// The temporary files of the saves under way in this process.
std::mutex unfinishedMutex;
std::list<std::string> unfinished;

void rememberUnfinished(const std::string &temp) {
  const std::lock_guard lock(unfinishedMutex);
  unfinished.push_back(temp);
}

void forgetUnfinished(const std::string &temp) {
  const std::lock_guard lock(unfinishedMutex);
  unfinished.remove(temp);
}

} // namespace

void discardUnfinishedSaves() {
  // The lock may be held by the thread that is ending the program; the list
  // is read all the same, as nothing else runs afterwards.
  const bool locked = unfinishedMutex.try_lock();
  for (const std::string &temp : unfinished) {
    ::unlink(temp.c_str());
  }
  if (locked) {
    unfinishedMutex.unlock();
  }
}

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
  discard();
}

bool AtomicFile::open() {
  struct stat st {};
  if (target_.empty()) {
    return false;
  }
  if (::stat(target_.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode) || S_ISBLK(st.st_mode)) {
      return false;
    }
    if (!S_ISREG(st.st_mode)) {
      return openDirect();
    }
    // Resolved so that the rename replaces the file a link names, not the
    // link; /proc's links to open files resolve to their file too.
    char *real = ::realpath(target_.c_str(), nullptr);
    if (real == nullptr) {
      return false;
    }
    target_ = real;
    std::free(real);
  } else if (errno == ENOENT) {
    target_ = followLinks(target_);
  } else {
    return false;
  }
  std::string pattern = temporaryPattern(target_);
  fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) {
    return false;
  }
  temp_ = pattern;
  rememberUnfinished(temp_);
  ::fchmod(fd_, permissionsFor(target_));
  return true;
}

bool AtomicFile::openDirect() {
  // Without O_NONBLOCK a FIFO nobody reads would block the open forever;
  // once open, writes wait as usual.
  fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) {
    return false;
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  direct_ = true;
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
  if (fd_ < 0 || failed_ || (!direct_ && ::fsync(fd_) != 0)) {
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
  if (!flush() || (!direct_ && ::rename(temp_.c_str(), target_.c_str()) != 0)) {
    discard();
    return false;
  }
  forgetTemp();
  return true;
}

void AtomicFile::forgetTemp() {
  if (!temp_.empty()) {
    forgetUnfinished(temp_.native());
    temp_.clear();
  }
}

void AtomicFile::discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    forgetTemp();
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
