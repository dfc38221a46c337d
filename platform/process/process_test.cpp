#include "core/base/test_support.h"
#include "platform/process/process.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace pdx::platform {
namespace {

namespace fs = std::filesystem;

class ProcessTest : public ::testing::Test {
protected:
  fs::path script(const std::string &name, const std::string &body, mode_t mode = 0755) {
    const fs::path p = dir_ / name;
    std::ofstream(p) << body;
    ::chmod(p.c_str(), mode);
    return p;
  }
  TempDir dir_;
};

TEST_F(ProcessTest, FindsInTheProgramFolderFirstThenOnThePath) {
  script("sh", "#!/bin/sh\n");
  EXPECT_EQ(findProgram("sh", dir_), dir_ / "sh");
  EXPECT_EQ(findProgram("sh", dir_ / "none")->filename(), "sh");
  EXPECT_FALSE(findProgram("no-such-program-here", dir_));
  EXPECT_FALSE(findProgram((dir_ / "missing").string(), {}));
}

TEST_F(ProcessTest, StartFailuresAreTold) {
  const fs::path marker = dir_ / "started";
  const fs::path good = script("good", "#!/bin/sh\ntouch '" + marker.string() + "'\n");
  EXPECT_EQ(startDetached(good, {}), StartFailure::None);
  for (int i = 0; i < 200 && !fs::exists(marker); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(fs::exists(marker));
  EXPECT_EQ(startDetached(dir_ / "missing", {}), StartFailure::NotFound);
  EXPECT_EQ(startDetached(script("garbage",
                                 "\x7f"
                                 "ELF not really",
                                 0755),
                          {}),
            StartFailure::NotExecutable);
  if (::geteuid() != 0) {
    EXPECT_EQ(startDetached(script("noexec", "#!/bin/sh\n", 0644), {}), StartFailure::NotExecutable);
  }
}

TEST_F(ProcessTest, RunAndReadReturnsOutputOnlyOnSuccess) {
  EXPECT_EQ(runAndRead(script("say", "#!/bin/sh\necho \"$1\"\n"), {"안녕"}), "안녕\n");
  EXPECT_FALSE(runAndRead(script("fail", "#!/bin/sh\nexit 3\n"), {}));
  EXPECT_FALSE(runAndRead(dir_ / "missing", {}));
}

} // namespace
} // namespace pdx::platform
