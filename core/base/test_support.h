// Helpers for tests of code that writes files.
#pragma once

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pdx {

// Limits the size of files this process may write, so that writes past
// `bytes` fail with EFBIG: a disk that fills up in the middle of a save.
class ScopedFileSizeLimit {
public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~ScopedFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  ScopedFileSizeLimit(const ScopedFileSizeLimit &) = delete;
  ScopedFileSizeLimit &operator=(const ScopedFileSizeLimit &) = delete;

private:
  rlimit saved_{};
  void (*previousHandler_)(int) = SIG_DFL;
};

// The process's peak resident memory so far, in kilobytes: a hostile input
// that blows up the memory shows as a jump between two calls.
inline long peakResidentKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

} // namespace pdx
