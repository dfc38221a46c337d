#include "core/base/last_resort.h"

#include "core/base/atomic_file.h"
#include "core/base/user_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <unistd.h>

namespace pdx {

namespace {

const char *programName = "pelodex";
// Looked up before the handler may run: it cannot allocate.
const char *terminateMessage = "";

const char *message() {
  return text::translateLiteral("pdx::LastResort", "내부 오류로 프로그램을 끝냅니다.");
}

void writeAll(const char *text) {
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, text, std::strlen(text));
}

// Only async-signal-safe calls: the heap may be what failed.
[[noreturn]] void onTerminate() {
  discardUnfinishedSaves();
  writeAll(programName);
  writeAll(": ");
  writeAll(terminateMessage);
  writeAll("\n");
  std::_Exit(kInternalErrorStatus);
}

} // namespace

void installLastResortHandler(const char *program) {
  programName = program;
  terminateMessage = message();
  std::set_terminate(onTerminate);
}

int reportInternalError(const char *program, const char *what) {
  // The text looked up when the handler was installed: by now the
  // translations may have gone with the application object.
  const char *text = *terminateMessage != '\0' ? terminateMessage : message();
  if (what != nullptr && *what != '\0') {
    std::fprintf(stderr, "%s: %s (%s)\n", program, text, what);
  } else {
    std::fprintf(stderr, "%s: %s\n", program, text);
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
