#include "core/base/input_file.h"

#include "core/base/user_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pdx {

DocResult docResultOf(InputError error) {
  switch (error) {
  case InputError::None:
    return DocResult::Ok;
  case InputError::CannotOpen:
  case InputError::NotAFile:
    return DocResult::CannotOpen;
  case InputError::TooLarge:
  case InputError::ReadFailed:
    return DocResult::ReadError;
  }
  return DocResult::ReadError;
}

const char *describe(InputError error) {
  switch (error) {
  case InputError::None:
    return text::translateLiteral("pdx::InputFile", "완료되었습니다.");
  case InputError::CannotOpen:
    return text::translateLiteral("pdx::InputFile", "파일을 열 수 없습니다.");
  case InputError::NotAFile:
    return text::translateLiteral("pdx::InputFile", "일반 파일이 아닙니다.");
  case InputError::TooLarge:
    return text::translateLiteral("pdx::InputFile", "파일이 너무 큽니다.");
  case InputError::ReadFailed:
    return text::translateLiteral("pdx::InputFile", "파일을 읽는 도중에 에러가 발생하였습니다.");
  }
  return text::translateLiteral("pdx::InputFile", "파일을 읽을 수 없습니다.");
}

InputFd::InputFd(const std::filesystem::path &path, uint64_t maxBytes) {
  // O_NONBLOCK: opening a FIFO without a writer returns at once; the
  // descriptor is refused below before anything is read from it.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    error_ = errno == ENXIO ? InputError::NotAFile : InputError::CannotOpen;
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    error_ = InputError::ReadFailed;
  } else if (!S_ISREG(st.st_mode)) {
    error_ = InputError::NotAFile;
  } else if (static_cast<uint64_t>(st.st_size) > maxBytes) {
    error_ = InputError::TooLarge;
  } else {
    size_ = static_cast<uint64_t>(st.st_size);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return;
  }
  ::close(fd_);
  fd_ = -1;
}

InputFd::~InputFd() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

int InputFd::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

InputBytes readInputFile(const std::filesystem::path &path, uint64_t maxBytes) {
  InputBytes result;
  InputFd file(path, maxBytes);
  if (file.error() != InputError::None) {
    result.error = file.error();
    return result;
  }
  // One byte more than the limit shows a file that grew meanwhile.
  const uint64_t capacity = std::min(maxBytes, UINT64_MAX - 1) + 1;
  result.bytes.resize(static_cast<size_t>(std::min<uint64_t>(file.size() + 1, capacity)));
  size_t done = 0;
  while (true) {
    if (done == result.bytes.size()) {
      if (done >= capacity) {
        result.error = InputError::TooLarge;
        break;
      }
      result.bytes.resize(static_cast<size_t>(std::min<uint64_t>(capacity, done + 65536)));
    }
    const ssize_t n = ::read(file.fd(), result.bytes.data() + done, result.bytes.size() - done);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      result.error = n < 0 ? InputError::ReadFailed : InputError::None;
      break;
    }
    done += static_cast<size_t>(n);
  }
  result.bytes.resize(result.error == InputError::None ? done : 0);
  return result;
}

} // namespace pdx
