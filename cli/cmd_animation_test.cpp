// Runs the built pelodex-cli on files made here and on the committed test
// pictures, and checks its exit status and output files.
#include "animation/effects/effect_player.h"
#include "animation/file/animation_file.h"
#include "animation/image/conversion.h"
#include "animation/image/gif_reader.h"
#include "cli/cli_test_support.h"
#include "core/base/test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace pdx::animation {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(PDX_SOURCE_DIR) + "/animation/image/testdata/";

// A test picture's path quoted for the shell.
std::string data(const std::string &name) {
  return "'" + kData + name + "'";
}

// A P4 file of the picture's size read back into a picture.
CMonoPicture readPbm(const fs::path &path) {
  const std::string bytes = pdx::readWholeFile(path);
  const std::string header = "P4\n96 51\n";
  EXPECT_EQ(bytes.substr(0, header.size()), header);
  EXPECT_EQ(bytes.size(), header.size() + 612);
  CMonoPicture picture;
  for (int y = 0; y < 51 && bytes.size() == header.size() + 612; ++y) {
    for (int x = 0; x < 96; ++x) {
      picture.setPixel(x, y,
                       (static_cast<uint8_t>(bytes[header.size() + 12 * y + x / 8]) >> (7 - x % 8)) & 1);
    }
  }
  return picture;
}

class CliTest : public ::testing::Test {
protected:
  // Runs the program; returns its exit status and keeps its output.
  int run(const std::string &arguments) {
    const cli::testing::RunResult result = cli::testing::runCli(arguments);
    output_ = result.out;
    errors_ = result.err;
    return result.status;
  }
  std::string path(const std::string &name) const { return "'" + (dir_ / name).string() + "'"; }

  TempDir dir_;
  std::string output_, errors_;
};

TEST_F(CliTest, AddImageCreatesTheFileAndShowListsIt) {
  ASSERT_EQ(run("animation add-image " + path("new.pca") + " " + data("mono1.bmp") + " --name 그림 --fit 2"),
            0)
      << errors_;
  ASSERT_EQ(run("animation add-image " + path("new.pca") + " " + data("plain.gif") + " --name second"), 0);
  EXPECT_EQ(run("animation add-image " + path("new.pca") + " " + data("plain.gif") + " --name second"), 64);
  ASSERT_EQ(run("animation show " + path("new.pca")), 0);
  const auto json = nlohmann::json::parse(output_);
  EXPECT_EQ(json["title"], "새애니메이션파일");
  ASSERT_EQ(json["animations"].size(), 2u);
  EXPECT_EQ(json["animations"][0]["name"], "그림");
  EXPECT_EQ(json["animations"][1]["effect"], 0);

  CAnimation expected;
  ASSERT_EQ(ImportIntoPicture(expected, kData + "mono1.bmp", {FitMode::Stretch, Position::Centre, 0, 0}),
            ImportResult::Ok);
  std::string hex;
  for (uint8_t byte : expected.bits()) {
    char digits[3];
    std::snprintf(digits, sizeof(digits), "%02X", byte);
    hex += digits;
  }
  EXPECT_EQ(json["animations"][0]["bits"], hex);
}

TEST_F(CliTest, ExportWritesBlackInkOnWhite) {
  CAnimationFile file;
  file.setFolder(dir_);
  file.New("t", "pic.pca");
  file.at(0)->setPixel(0, 0, true);
  file.at(0)->setPixel(95, 50, true);
  ASSERT_EQ(file.AddAnimation("b"), 1);
  file.at(1)->setPixel(9, 3, true);
  ASSERT_EQ(file.Save(), DocResult::Ok);
  ASSERT_EQ(run("animation export " + path("pic.pca") + " --out " + path("a.pbm")), 0) << errors_;
  EXPECT_EQ(readPbm(dir_ / "a.pbm"), *file.at(0));
  ASSERT_EQ(run("animation export " + path("pic.pca") + " --index 1 --out " + path("b.pbm")), 0);
  EXPECT_EQ(readPbm(dir_ / "b.pbm"), *file.at(1));
  ASSERT_EQ(run("animation export " + path("pic.pca") + " --out " + path("a.png")), 0) << errors_;
  EXPECT_EQ(pdx::readWholeFile(dir_ / "a.png").substr(1, 3), "PNG");
  EXPECT_EQ(run("animation export " + path("pic.pca") + " --index 2 --out " + path("c.pbm")), 64);
  EXPECT_EQ(run("animation export " + path("pic.pca") + " --out " + path("c.bmp")), 64);
  EXPECT_EQ(run("animation export " + path("missing.pca") + " --out " + path("c.pbm")), 2);
  std::ofstream(dir_ / "bad.pca") << "not an animation file at all, but long enough to be read";
  EXPECT_EQ(run("animation export " + path("bad.pca") + " --out " + path("c.pbm")), 4);
  EXPECT_NE(errors_.find("애니메이션 파일이 아닙니다."), std::string::npos);
}

TEST_F(CliTest, EffectFramesAndGif) {
  CAnimationFile file;
  file.setFolder(dir_);
  file.New("t", "fx.pca");
  for (int y = 0; y < 51; ++y) {
    file.at(0)->setPixel(0, y, true);
  }
  file.at(0)->setEffect(1);
  ASSERT_EQ(file.Save(), DocResult::Ok);
  ASSERT_EQ(run("animation effect " + path("fx.pca") + " --frames " + path("f") + " --gif " + path("fx.gif")),
            0)
      << errors_;
  EXPECT_EQ(output_, "12\n");
  EXPECT_FALSE(fs::exists(dir_ / "f" / "frame-012.pbm"));
  EXPECT_EQ(readPbm(dir_ / "f" / "frame-011.pbm"), *file.at(0));

  const std::string gif = pdx::readWholeFile(dir_ / "fx.gif");
  CImportImage first;
  ASSERT_TRUE(readGif(std::span(reinterpret_cast<const uint8_t *>(gif.data()), gif.size()), "fx.gif", first));
  EXPECT_EQ(first.rgbAt(88, 10), (std::array<uint8_t, 3>{0, 0, 0}));
  EXPECT_EQ(first.rgbAt(0, 10), (std::array<uint8_t, 3>{255, 255, 255}));
  EXPECT_NE(gif.find("NETSCAPE2.0"), std::string::npos);

  ASSERT_EQ(run("animation effect " + path("fx.pca") + " --code 20 --frames " + path("g")), 0);
  EXPECT_EQ(output_, "14\n");
  EXPECT_EQ(readPbm(dir_ / "g" / "frame-013.pbm"), CMonoPicture());
  ASSERT_EQ(run("animation effect " + path("fx.pca") + " --code 15 --max-frames 5 --frames " + path("h")), 0);
  EXPECT_EQ(output_, "5\n");
  EXPECT_EQ(run("animation effect " + path("fx.pca")), 64);
}

// The readers' own tests compare every test picture.
TEST_F(CliTest, DecodeMatchesImageMagick) {
  ASSERT_EQ(run("image decode " + data("interlaced.gif") + " --out " + path("out.ppm")), 0) << errors_;
  EXPECT_EQ(pdx::readWholeFile(dir_ / "out.ppm"), pdx::readWholeFile(kData + "interlaced.gif.ppm"));
}

TEST_F(CliTest, ConvertFollowsTheImport) {
  ASSERT_EQ(run("image convert " + data("colour.jpg") +
                " --fit 1 --position 2 --brightness 20 --contrast -30 --out " + path("c.pbm")),
            0)
      << errors_;
  CAnimation expected;
  ASSERT_EQ(ImportIntoPicture(expected, kData + "colour.jpg",
                              {FitMode::CoverScreen, Position::BottomRight, 20, -30}),
            ImportResult::Ok);
  EXPECT_EQ(readPbm(dir_ / "c.pbm"), expected);

  CAnimationFile file;
  file.setFolder(dir_);
  file.New("t", "onto.pca");
  for (int x = 0; x < 96; ++x) {
    file.at(0)->setPixel(x, 0, true);
  }
  ASSERT_EQ(file.Save(), DocResult::Ok);
  ASSERT_EQ(run("image convert " + data("rgb24.bmp") + " --onto " + path("onto.pca") + " --index 0 --out " +
                path("o.pbm")),
            0);
  CAnimation onto = *file.at(0);
  ASSERT_EQ(ImportIntoPicture(onto, kData + "rgb24.bmp", {}), ImportResult::Ok);
  EXPECT_EQ(readPbm(dir_ / "o.pbm"), onto);
  EXPECT_TRUE(readPbm(dir_ / "o.pbm").pixel(0, 0));
}

TEST_F(CliTest, ExitStatusesOfFailedImports) {
  EXPECT_EQ(run("image convert " + data("colour.jpeg") + " --out " + path("x.pbm")), 1);
  EXPECT_NE(errors_.find("그림 파일이 아니거나 지원하지 않는 포맷입니다."), std::string::npos);
  EXPECT_NE(errors_.find(kTakenFormats), std::string::npos);
  EXPECT_EQ(run("image convert " + data("rle8.bmp") + " --out " + path("x.pbm")), 2);
  EXPECT_NE(errors_.find("This is a compressed file."), std::string::npos);
  EXPECT_NE(errors_.find(kTakenFormats), std::string::npos);
  // A turned YCCK photograph with an unknown marker after its rows.
  EXPECT_EQ(run("image decode " + data("../fuzz_corpus/jpeg/ycck-tail.jpg") + " --out " + path("t.ppm")), 0);
  EXPECT_NE(errors_.find("경고: " + kData + "../fuzz_corpus/jpeg/ycck-tail.jpg: Unsupported marker"),
            std::string::npos);
  EXPECT_EQ(pdx::readWholeFile(dir_ / "t.ppm").substr(0, 12), "P6\n24 40\n255");
  EXPECT_EQ(run("image decode " + data("missing.gif") + " --out " + path("x.ppm")), 2);
  EXPECT_EQ(run("image convert " + data("rgb24.bmp") + " --fit 3 --out " + path("x.pbm")), 64);
  EXPECT_EQ(run("image convert " + data("rgb24.bmp") + " --index 0 --out " + path("x.pbm")), 64);
  EXPECT_EQ(run("image rotate x"), 64);
  EXPECT_EQ(run("animation add-image " + path("n.pca") + " " + data("rle8.bmp") + " --name x"), 2);
  EXPECT_FALSE(fs::exists(dir_ / "n.pca"));
}

} // namespace
} // namespace pdx::animation
