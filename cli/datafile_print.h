// pelodex-cli datafile print: the PC phonebook printed to a PDF file with
// the program's own layout, so that print output can be checked without a
// printer.
#pragma once

#include "cli/args.h"

namespace pdx::cli {

// datafile print PATH --size wallet|normal --order group|name --pdf OUT.pdf
int printDatafile(Args &args);

} // namespace pdx::cli
