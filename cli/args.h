// Command-line arguments taken piece by piece by the subcommands.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::cli {

// Exit status for a malformed command line.
inline constexpr int kBadArguments = 64;

class Args {
public:
  explicit Args(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}

  // Removes "--name VALUE" (or "--name=VALUE") and returns VALUE. A name
  // given without a value makes the arguments invalid.
  std::optional<std::string> option(const std::string &name);
  // Removes "--name" and says whether it was there.
  bool flag(const std::string &name);
  // Removes and returns the next argument that is not an option.
  std::optional<std::string> positional();
  // Parses an option as an integer within [low, high]; an unparsable or
  // out-of-range value makes the arguments invalid.
  std::optional<long> number(const std::string &name, long low, long high);

  // True when every argument was taken and none was malformed; otherwise
  // prints what was wrong to standard error.
  bool finish();
  void fail(const std::string &message);
  // Fails with the usage line "사용법: <synopsis>" in the user's language.
  void failUsage(std::string_view synopsis);
  bool ok() const { return error_.empty(); }

private:
  std::vector<std::string> tokens_;
  std::string error_;
};

} // namespace pdx::cli
