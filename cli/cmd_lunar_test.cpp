// Runs the built pelodex-cli and checks the lunar command's output and exit
// status.
#include "cli/cli_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using CliRun = pdx::cli::testing::RunResult;

CliRun cli(const std::string &arguments) {
  return pdx::cli::testing::runCli(arguments);
}

TEST(CliLunar, OneDateAndARangeAcrossTheStartOfTheTable) {
  const std::pair<const char *, const char *> cases[] = {
      {"lunar 2001-05-23", "{\"date\":\"2001-05-23\",\"year\":2001,\"month\":4,\"day\":1,\"leap\":true}\n"},
      {"lunar --from 1881-01-29 --to 1881-01-30",
       "{\"date\":\"1881-01-29\",\"lunar\":null}\n"
       "{\"date\":\"1881-01-30\",\"year\":1881,\"month\":1,\"day\":1,\"leap\":false}\n"},
  };
  for (const auto &[arguments, out] : cases) {
    const CliRun run = cli(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, out);
  }
}

TEST(CliLunar, RangeAcrossMonthAndYearEnds) {
  const CliRun run = cli("lunar --from=2043-12-31 --to=2044-01-01");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.find("{\"date\":\"2043-12-31\",\"year\":2043,"), 0U);
  EXPECT_NE(run.out.find("\n{\"date\":\"2044-01-01\",\"lunar\":null}\n"), std::string::npos);
  const std::string leapDay = cli("lunar --from 2000-02-28 --to 2000-03-01").out;
  EXPECT_EQ(std::count(leapDay.begin(), leapDay.end(), '\n'), 3);
  EXPECT_NE(leapDay.find("\n{\"date\":\"2000-02-29\",\"year\":2000,\"month\":1,\"day\":25,"),
            std::string::npos);
}

TEST(CliLunar, BadArgumentsExit64) {
  for (const char *arguments : {"lunar", "lunar 1999-02-29", "lunar 1999/01/01", "lunar 1999-01-01x",
                                "lunar --from 2000-01-02 --to 2000-01-01", "lunar --from 2000-01-01",
                                "lunar 2000-01-01 2000-01-02"}) {
    const CliRun run = cli(arguments);
    EXPECT_EQ(run.status, 64) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
  }
}

} // namespace
