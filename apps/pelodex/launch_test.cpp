#include "apps/pelodex/launch.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pdx::pelodex {
namespace {

namespace fs = std::filesystem;

// Each test puts a stand-in nmcli (or none) first on a PATH of its own.
class LaunchTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("pdx-launch-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "bin");
    const char *path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    ::setenv("PATH", (dir_ / "bin").c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", savedPath_.c_str(), 1);
    fs::remove_all(dir_);
  }
  void standInNmcli(const std::string &connections) {
    const fs::path p = dir_ / "bin" / "nmcli";
    std::ofstream(p) << "#!/bin/sh\nif [ \"$1\" = -t ]; then printf '" << connections << "'; fi\n";
    ::chmod(p.c_str(), 0755);
  }
  fs::path dir_;
  std::string savedPath_;
};

TEST_F(LaunchTest, DialupStatesFollowNmcli) {
  EXPECT_EQ(checkDialup(), DialupState::NotInstalled);
  EXPECT_NE(dialupMessage(DialupState::NotInstalled).find("전화접속 네트워킹이 설치되어 있지 않습니다."),
            std::string::npos);
  standInNmcli("Wired connection 1\\nHome WiFi\\n");
  EXPECT_EQ(checkDialup(), DialupState::NotRegistered);
  EXPECT_EQ(dialupMessage(DialupState::NotRegistered)
                .rfind("전화접속 네트워킹에 QZ Telecom이 등록되어 있지 않습니다.", 0),
            0u);
  standInNmcli("Wired connection 1\\nqz telecom\\n");
  EXPECT_EQ(checkDialup(), DialupState::Ready);
  EXPECT_TRUE(startDialup());
  EXPECT_EQ(dialupMessage(DialupState::Ready), "");
}

TEST_F(LaunchTest, RunProgramMessagesNameTheProgram) {
  EXPECT_EQ(runProgram("Carrowin", {}, dir_, "멜로디 편집기"), "멜로디 편집기 실행파일을 찾을 수 없습니다");
  const fs::path broken = dir_ / "Velluto";
  std::ofstream(broken) << "not a program";
  ::chmod(broken.c_str(), 0755);
  EXPECT_EQ(runProgram("Velluto", {}, dir_, "애니메이션 편집기"),
            "애니메이션 편집기 실행파일에 이상이 있습니다");
  const fs::path good = dir_ / "Good";
  std::ofstream(good) << "#!/bin/sh\nexit 0\n";
  ::chmod(good.c_str(), 0755);
  EXPECT_EQ(runProgram("Good", {}, dir_, "x"), "");
  EXPECT_EQ(startFailureMessage(platform::StartFailure::Other, "x"),
            "문제가 발생하여 x 프로그램을 실행할 수 없습니다");
  EXPECT_EQ(startFailureMessage(platform::StartFailure::NoResources, "x"),
            "메모리나 시스템자원이 부족합니다");
}

} // namespace
} // namespace pdx::pelodex
