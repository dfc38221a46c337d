// The command groups of pelodex-cli; each takes the arguments after its name
// and returns the process exit status.
#pragma once

#include "cli/args.h"

namespace pdx::cli {

int runLunar(Args &args);

} // namespace pdx::cli
