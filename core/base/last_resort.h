// The last resort of every program's main: an exception nobody caught or a
// termination ends the program with one line on standard error and the
// internal-error status, and removes the temporary files of saves under way,
// so no half-written file is left beside the user's documents.
//
//   int main(int argc, char **argv) {
//     return pdx::runGuarded("Carrowin", [&] { return run(argc, argv); });
//   }
#pragma once

#include <functional>

namespace pdx {

// The exit status of a run ended by an internal error (EX_SOFTWARE).
inline constexpr int kInternalErrorStatus = 70;

// From here on a termination (an exception escaping a thread or a noexcept
// function) writes "`program`: 내부 오류로 프로그램을 끝냅니다." (in the
// language chosen before this call) and exits with kInternalErrorStatus.
// `program` must live as long as the process (a string literal).
void installLastResortHandler(const char *program);

// Prints the internal error of `program`, with `what` when known, and
// returns kInternalErrorStatus.
int reportInternalError(const char *program, const char *what);

// Installs the handler and runs `body`; an exception escaping it is
// reported (after the stack has unwound, so every save under way has
// discarded its temporary file) and ends with kInternalErrorStatus.
int runGuarded(const char *program, const std::function<int()> &body);

} // namespace pdx
