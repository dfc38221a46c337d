// What pelodex-cli does when a command cannot end as planned: an exception
// nobody caught, or standard output that did not take the result.
#pragma once

namespace pdx::cli {

// From here on, a termination (an exception escaping a thread, a noexcept
// function that throws) prints one line and exits with kInternalError.
void installLastResortHandler();

// Prints the internal error (with `what` when known) and returns
// kInternalError. Called after the stack has unwound, so every atomic save
// under way has removed its temporary file.
int reportInternalError(const char *what);

// `status` when standard output took everything written to it; otherwise
// kOutputError after saying so (a full disk behind a redirection, a closed
// pipe). A failing command keeps its own status.
int checkStandardOutput(int status);

} // namespace pdx::cli
