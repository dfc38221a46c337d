// Running the built pelodex-cli from tests.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace pdx::cli::testing {

struct RunResult {
  int status = -1; // the exit status
  std::string out; // standard output
};

// Runs pelodex-cli with `arguments` (a shell-quoted string); standard error
// goes to the test's log.
inline RunResult runCli(const std::string &arguments) {
  RunResult result;
  const std::string command = std::string(PELODEX_CLI) + " " + arguments;
  FILE *pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return result;
  }
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    result.out.append(buffer, n);
  }
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

} // namespace pdx::cli::testing
