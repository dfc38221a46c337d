// Helpers for tests of code that writes files.
#pragma once

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace pdx {

// A new empty folder under the system's temporary folder, removed with all
// it holds when the object ends. The name carries the process and a count, so
// tests running side by side never share one.
class TempDir {
public:
  TempDir() {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("pdx-test-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  operator const std::filesystem::path &() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path &name) const { return path_ / name; }
  // Named as std::filesystem::path's, so a folder reads like a path.
  std::string string() const { return path_.string(); }
  const char *c_str() const { return path_.c_str(); } // NOLINT(readability-identifier-naming)

private:
  std::filesystem::path path_;
};

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

// The whole content of a file as text (or as bytes, with a byte vector for
// `Bytes`); empty when the file cannot be read.
template <class Bytes = std::string> Bytes readWholeFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes `text` or `bytes` as the whole content of the file.
inline void writeWholeFile(const std::filesystem::path &path, std::string_view text) {
  std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}
inline void writeWholeFile(const std::filesystem::path &path, std::span<const uint8_t> bytes) {
  writeWholeFile(path, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

} // namespace pdx
