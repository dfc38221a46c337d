// Running the built pelodex-cli from tests, and a simulated phone for its
// phone commands.
#pragma once

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace pdx::cli::testing {

struct RunResult {
  int status = -1; // the exit status
  std::string out; // standard output
  std::string err; // standard error
};

// Runs pelodex-cli with `arguments` (a shell-quoted string).
inline RunResult runCli(const std::string &arguments) {
  RunResult result;
  char errName[] = "/tmp/pdx-cli-err-XXXXXX";
  const int errFd = ::mkstemp(errName);
  if (errFd < 0) {
    return result;
  }
  const std::string command = std::string(PELODEX_CLI) + " " + arguments + " 2>'" + errName + "'";
  if (FILE *pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      result.out.append(buffer, n);
    }
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  char buffer[4096];
  for (ssize_t n = 0; (n = ::read(errFd, buffer, sizeof buffer)) > 0;) {
    result.err.append(buffer, static_cast<size_t>(n));
  }
  ::close(errFd);
  ::unlink(errName);
  return result;
}

// A running `pelodex-cli simulate` with `options`, stopped with SIGTERM. Its
// pseudo-terminal is known once the constructor returns (empty when the
// simulator could not start).
class SimulatedPhone {
public:
  explicit SimulatedPhone(const std::vector<std::string> &options) {
    int out[2];
    if (::pipe(out) != 0) {
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> args{PELODEX_CLI, "simulate"};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char *> argv;
    for (std::string &a : args) {
      argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') {
      device_ += c;
    }
    ::close(out[0]);
  }
  ~SimulatedPhone() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      int status = 0;
      ::waitpid(pid_, &status, 0);
    }
  }
  SimulatedPhone(const SimulatedPhone &) = delete;
  SimulatedPhone &operator=(const SimulatedPhone &) = delete;

  const std::string &device() const { return device_; }
  // "phone --device … --password 0000 `rest`", to pass to runCli.
  std::string phone(const std::string &rest) const {
    return "phone --device " + device_ + " --password 0000 " + rest;
  }

private:
  pid_t pid_ = -1;
  std::string device_;
};

} // namespace pdx::cli::testing
