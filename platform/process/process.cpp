#include "platform/process/process.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pdx::platform {

namespace fs = std::filesystem;

namespace {

bool isRegularFile(const fs::path &p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

std::vector<char *> argv(const fs::path &program, const std::vector<std::string> &arguments,
                         std::vector<std::string> &storage) {
  storage.clear();
  storage.push_back(program.string());
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char *> out;
  for (std::string &s : storage) {
    out.push_back(s.data());
  }
  out.push_back(nullptr);
  return out;
}

StartFailure failureOf(int error) {
  switch (error) {
  case 0:
    return StartFailure::None;
  case ENOENT:
    return StartFailure::NotFound;
  case EACCES:
  case ENOEXEC:
  case EISDIR:
  case ELIBBAD:
    return StartFailure::NotExecutable;
  case ENOMEM:
  case EAGAIN:
    return StartFailure::NoResources;
  default:
    return StartFailure::Other;
  }
}

// In the grandchild: execs, or writes errno to `report` and exits.
[[noreturn]] void execOrReport(char *const *args, int report) {
  ::execv(args[0], args);
  const int error = errno;
  [[maybe_unused]] const ssize_t n = ::write(report, &error, sizeof error);
  ::_exit(127);
}

} // namespace

std::optional<fs::path> findProgram(const std::string &program, const fs::path &firstFolder) {
  if (program.find('/') != std::string::npos) {
    return isRegularFile(program) ? std::optional<fs::path>(program) : std::nullopt;
  }
  if (!firstFolder.empty() && isRegularFile(firstFolder / program)) {
    return firstFolder / program;
  }
  const char *path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!rest.empty()) {
    const size_t colon = std::min(rest.find(':'), rest.size());
    const fs::path candidate = fs::path(rest.substr(0, colon)) / program;
    if (colon > 0 && isRegularFile(candidate)) {
      return candidate;
    }
    rest.remove_prefix(std::min(colon + 1, rest.size()));
  }
  return std::nullopt;
}

StartFailure startDetached(const fs::path &program, const std::vector<std::string> &arguments) {
  std::vector<std::string> storage;
  std::vector<char *> args = argv(program, arguments, storage);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    return failureOf(errno);
  }
  const pid_t child = ::fork();
  if (child < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    return failureOf(error);
  }
  if (child == 0) {
    // The middle process ends at once, so the program is adopted by init and
    // never becomes our zombie.
    ::setsid();
    if (::fork() == 0) {
      execOrReport(args.data(), report[1]);
    }
    ::_exit(0);
  }
  ::close(report[1]);
  int status = 0;
  ::waitpid(child, &status, 0);
  int error = 0;
  const ssize_t n = ::read(report[0], &error, sizeof error);
  ::close(report[0]);
  return n == static_cast<ssize_t>(sizeof error) ? failureOf(error) : StartFailure::None;
}

std::optional<std::string> runAndRead(const fs::path &program, const std::vector<std::string> &arguments) {
  std::vector<std::string> storage;
  std::vector<char *> args = argv(program, arguments, storage);
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) {
    return std::nullopt;
  }
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(out[0]);
    ::close(out[1]);
    return std::nullopt;
  }
  if (child == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  ::close(out[1]);
  std::string text;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(out[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
    if (n > 0) {
      text.append(buffer, static_cast<size_t>(n));
    }
  }
  ::close(out[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return text;
}

} // namespace pdx::platform
