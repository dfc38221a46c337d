#include "winlib/program_main.h"

#include <exception>
#include <gtest/gtest.h>
#include <stdexcept>

namespace pdx::winlib {
namespace {

// Runs a program whose start fails in the way given, in English.
int runFailing(bool terminate) {
  char name[] = "probe", option[] = "--lang", language[] = "en";
  char *argv[] = {name, option, language, nullptr};
  return runProgram(3, argv, "Probe", "Probe", [terminate]() -> int {
    if (terminate) {
      std::terminate();
    }
    throw std::runtime_error("broken");
  });
}

// The last line of a program that failed is in the language the user chose,
// whether the failure unwound or ended the process on the spot.
TEST(ProgramMain, TheInternalErrorLineIsInTheChosenLanguage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(runFailing(false)), testing::ExitedWithCode(70),
              "Probe: Internal error; the program stops. \\(broken\\)\n$");
  EXPECT_EXIT(runFailing(true), testing::ExitedWithCode(70), "Probe: Internal error; the program stops.\n$");
}

} // namespace
} // namespace pdx::winlib
