#include "cli/last_resort.h"

#include "cli/exit_status.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <unistd.h>

namespace pdx::cli {

namespace {

[[noreturn]] void onTerminate() {
  static constexpr char kLine[] = "pelodex-cli: 내부 오류로 작업을 끝내지 못했습니다.\n";
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
  std::_Exit(kInternalError);
}

} // namespace

void installLastResortHandler() {
  std::set_terminate(onTerminate);
}

int reportInternalError(const char *what) {
  if (what != nullptr && *what != '\0') {
    std::fprintf(stderr, "pelodex-cli: 내부 오류로 작업을 끝내지 못했습니다: %s\n", what);
  } else {
    std::fprintf(stderr, "pelodex-cli: 내부 오류로 작업을 끝내지 못했습니다.\n");
  }
  return kInternalError;
}

int checkStandardOutput(int status) {
  std::cout.flush();
  const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && !std::cout.fail();
  if (written || status != 0) {
    return status;
  }
  std::fprintf(stderr, "pelodex-cli: 표준 출력에 쓸 수 없습니다.\n");
  return kOutputError;
}

} // namespace pdx::cli
