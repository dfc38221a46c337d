#include "core/base/last_resort.h"

#include "core/base/atomic_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <unistd.h>

namespace pdx {

namespace {

constexpr char kMessage[] = "내부 오류로 프로그램을 끝냅니다.";
const char *programName = "pelodex";

void writeAll(const char *text) {
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, text, std::strlen(text));
}

// Only async-signal-safe calls: the heap may be what failed.
[[noreturn]] void onTerminate() {
  discardUnfinishedSaves();
  writeAll(programName);
  writeAll(": ");
  writeAll(kMessage);
  writeAll("\n");
  std::_Exit(kInternalErrorStatus);
}

} // namespace

void installLastResortHandler(const char *program) {
  programName = program;
  std::set_terminate(onTerminate);
}

int reportInternalError(const char *program, const char *what) {
  if (what != nullptr && *what != '\0') {
    std::fprintf(stderr, "%s: %s (%s)\n", program, kMessage, what);
  } else {
    std::fprintf(stderr, "%s: %s\n", program, kMessage);
  }
  return kInternalErrorStatus;
}

int runGuarded(const char *program, const std::function<int()> &body) {
  installLastResortHandler(program);
  try {
    return body();
  } catch (const std::exception &e) {
    return reportInternalError(program, e.what());
  } catch (...) {
    return reportInternalError(program, nullptr);
  }
}

} // namespace pdx
