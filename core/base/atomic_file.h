// Saving without ever destroying the previous file: the new contents go to a
// temporary file in the same folder, are flushed to the disk, and only then
// replace the target by a rename.
//
// A symbolic link is followed: the file it names is replaced and the link
// stays. A target that is not a regular file (a terminal, a pipe, a
// character device such as /dev/null or /dev/stdout) is written directly,
// never renamed over; folders and block devices are refused.
#pragma once

#include "core/base/doc_result.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace pdx {

class AtomicFile {
public:
  explicit AtomicFile(std::filesystem::path target);
  ~AtomicFile();
  AtomicFile(const AtomicFile &) = delete;
  AtomicFile &operator=(const AtomicFile &) = delete;

  // Creates the temporary file; false when it cannot be created.
  [[nodiscard]] bool open();
  // Appends bytes; false on any write error (the file is then unusable).
  [[nodiscard]] bool write(std::span<const uint8_t> bytes);
  // Syncs the contents to the disk and closes the file; false on failure.
  [[nodiscard]] bool flush();
  // Flushes (when not done yet) and renames over the target; false on
  // failure, in which case the target is untouched and the temporary file
  // removed.
  [[nodiscard]] bool commit();

private:
  void discard();
  bool openDirect();
  void forgetTemp();

  std::filesystem::path target_;
  std::filesystem::path temp_;
  int fd_ = -1;
  bool failed_ = false;
  bool flushed_ = false;
  bool direct_ = false;
};

// Removes the temporary files of every save under way, for a program that
// ends abruptly; touches no target. Safe in a terminate handler.
void discardUnfinishedSaves();

// Writes `bytes` to `path` atomically: Ok, CannotCreate or WriteError.
DocResult writeFileAtomically(const std::filesystem::path &path, std::span<const uint8_t> bytes);

} // namespace pdx
