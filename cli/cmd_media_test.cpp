// pelodex-cli media list against folders of melody and animation files.
#include "cli/cli_test_support.h"
#include "core/base/test_support.h"
#include "features/animations/animation_test_files.h"
#include "features/melodies/melody_test_files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace pdx::cli {
namespace {

namespace fs = std::filesystem;
using cli::testing::runCli;
using cli::testing::RunResult;

class CliMediaTest : public ::testing::Test {
protected:
  const TempDir dir_;
};

TEST_F(CliMediaTest, ListsWhatThePagesShowInTheirOrder) {
  const auto &tune = features::testing::kDoReMi;
  ASSERT_TRUE(features::testing::writeMelodyFile(dir_, "b.pcm", {{"다", tune}, {"가", tune}}));
  ASSERT_TRUE(features::testing::writeMelodyFile(dir_, "B.pcm", {{"x", tune}}));
  ASSERT_TRUE(features::testing::writeAnimationFile(dir_, "그림.pca", 2, 0));
  std::ofstream(dir_ / "broken.pcm") << "not a melody file";
  const RunResult melodies = runCli("media list melodies --folder " + dir_.string());
  ASSERT_EQ(melodies.status, 0);
  EXPECT_EQ(nlohmann::json::parse(melodies.out), nlohmann::json::parse(R"([
              {"file": "B.pcm", "label": "B", "title": "제목", "items": [{"name": "x", "index": 0}]},
              {"file": "b.pcm", "label": "b", "title": "제목",
               "items": [{"name": "가", "index": 1}, {"name": "다", "index": 0}]}])"));
  const RunResult animations = runCli("media list animations --folder " + dir_.string());
  ASSERT_EQ(animations.status, 0);
  EXPECT_EQ(nlohmann::json::parse(animations.out)[0]["items"][1],
            nlohmann::json({{"name", "1"}, {"index", 1}}));
}

TEST_F(CliMediaTest, ExitStatusTellsWhatWentWrong) {
  const struct {
    std::string arguments;
    int status;
  } cases[] = {{"media list tunes --folder " + dir_.string(), 64},
               {"media show melodies --folder " + dir_.string(), 64},
               {"media list melodies --folder " + (dir_ / "none").string(), 66},
               {"media list animations --folder " + dir_.string(), 0}};
  for (const auto &c : cases) {
    EXPECT_EQ(runCli(c.arguments).status, c.status) << c.arguments;
  }
}

} // namespace
} // namespace pdx::cli
