// pelodex-cli speaks the desktop's language, usage and errors alike; the exit
// statuses stay as they are.
#include "cli/cli_test_support.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pdx::cli {
namespace {

namespace fs = std::filesystem;

TEST(CliLanguage, UsageAndErrorsFollowTheDesktop) {
  // No settings file, so that no Language setting overrides the desktop.
  const fs::path config = fs::temp_directory_path() / ("pdx-cli-lang-" + std::to_string(::getpid()));
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  struct Case {
    const char *language;
    const char *arguments;
    int status;
    const char *firstLine;
  };
  const Case cases[] = {
      {"en_US.UTF-8", "", 64, "Usage: pelodex-cli GROUP COMMAND [ARGUMENTS...]"},
      {"en", "lunar 2001-13-01", 64, "pelodex-cli: Invalid date (YYYY-MM-DD): 2001-13-01"},
      {"en", "datafile find", 64, "pelodex-cli: Usage: datafile find PATH QUERY [--number NUMBER]"},
      {"ko_KR.UTF-8", "lunar 2001-13-01", 64,
       "pelodex-cli: 날짜가 올바르지 않습니다 (YYYY-MM-DD): 2001-13-01"},
      {"ko", "--lang en melody show", 64, "pelodex-cli: Name a melody file."},
  };
  for (const Case &c : cases) {
    ::setenv("LANGUAGE", c.language, 1);
    const testing::RunResult r = testing::runCli(c.arguments);
    const std::string shown = r.out + r.err;
    EXPECT_EQ(r.status, c.status) << c.arguments;
    EXPECT_EQ(shown.substr(0, shown.find('\n')), c.firstLine) << c.language << ' ' << c.arguments;
  }
  ::setenv("LANGUAGE", "ko", 1);
}

} // namespace
} // namespace pdx::cli
