// Standard output checked once a command has ended: a full disk behind a
// redirection or a closed pipe is a failure, not a success.
#pragma once

namespace pdx::cli {

// `status` when standard output took everything written to it; otherwise
// kOutputError after saying so. A failing command keeps its own status.
int checkStandardOutput(int status);

} // namespace pdx::cli
