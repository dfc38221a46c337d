// Writing a command's result: to standard output, or atomically to a file.
#pragma once

#include <optional>
#include <string>

namespace pdx::cli {

// Writes `text` to the file `path` (replacing it atomically) or, without a
// path, to standard output, which main checks once the command has ended.
// Returns 0, or the save's result code after printing why on standard
// error.
int writeOutput(const std::optional<std::string> &path, const std::string &text);

// Prints "pelodex-cli: <message>" as one line on standard error.
void printError(const std::string &message);

} // namespace pdx::cli
