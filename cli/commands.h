// The command groups of pelodex-cli; each takes the arguments after its name
// and returns the process exit status.
#pragma once

#include "cli/args.h"

namespace pdx::cli {

int runDatafile(Args &args);
int runAnimation(Args &args);
int runImage(Args &args);
int runPhone(Args &args);
int runSimulate(Args &args);
// simulate --protocol at, with the arguments after the protocol's.
int runSimulateAt(Args &args);
int runMelody(Args &args);
int runLunar(Args &args);
int runMedia(Args &args);

} // namespace pdx::cli
