#include "cli/output.h"

#include "core/base/atomic_file.h"

#include <cstdint>
#include <cstdio>
#include <iostream>

namespace pdx::cli {

int writeOutput(const std::optional<std::string> &path, const std::string &text) {
  if (!path) {
    std::cout << text;
    return 0; // main checks standard output once the command has ended
  }
  const DocResult result =
      writeFileAtomically(*path, {reinterpret_cast<const uint8_t *>(text.data()), text.size()});
  if (result != DocResult::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path->c_str(), describe(result));
  }
  return code(result);
}

void printError(const std::string &message) {
  std::fprintf(stderr, "pelodex-cli: %s\n", message.c_str());
}

} // namespace pdx::cli
