// Opening the files a user names as input. Only regular files are read:
// folders, FIFOs, devices and sockets are refused at once, without waiting
// for a writer, and a file larger than its format can be is refused before
// any of it is read, so an endless or hostile input never fills the memory.
#pragma once

#include "core/base/doc_result.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pdx {

enum class [[nodiscard]] InputError : int{
    None,
    CannotOpen, // missing, not permitted, an empty or too long name, a link loop
    NotAFile,   // a folder, FIFO, device or socket
    TooLarge,   // larger than the format allows
    ReadFailed, // an I/O error while reading
};

// The document code of a failure: CannotOpen for a file that cannot be
// opened as a file, ReadError for one too large or unreadable.
DocResult docResultOf(InputError error);

// A Korean sentence for the user.
const char *describe(InputError error);

// A read-only descriptor of a regular file no larger than `maxBytes`, open
// at its start; closed when the object goes.
class InputFd {
public:
  InputFd(const std::filesystem::path &path, uint64_t maxBytes);
  ~InputFd();
  InputFd(const InputFd &) = delete;
  InputFd &operator=(const InputFd &) = delete;

  int fd() const { return fd_; }
  InputError error() const { return error_; }
  uint64_t size() const { return size_; }
  // Hands the descriptor over (to fdopen, for example); -1 afterwards.
  int release();

private:
  int fd_ = -1;
  InputError error_ = InputError::None;
  uint64_t size_ = 0;
};

struct InputBytes {
  InputError error = InputError::None;
  std::vector<uint8_t> bytes;
};

// Reads a regular file of at most `maxBytes` whole. A file that grows past
// the limit while it is read counts as too large.
InputBytes readInputFile(const std::filesystem::path &path, uint64_t maxBytes);

} // namespace pdx
