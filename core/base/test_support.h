// Helpers for tests of code that writes files.
#pragma once

#include <csignal>
#include <sys/resource.h>

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

} // namespace pdx
