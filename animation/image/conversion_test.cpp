#include "animation/image/conversion.h"

#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

const std::string kData = std::string(PDX_SOURCE_DIR) + "/animation/image/testdata/";

CImportImage uniform(int width, int height, uint8_t value) {
  CImportImage image;
  EXPECT_TRUE(image.allocate(width, height));
  for (int row = 0; row < height; ++row) {
    std::fill(image.rowFromBottom(row), image.rowFromBottom(row) + 3 * width, value);
  }
  return image;
}

// Rows from the top as text: '#' black, '.' white.
std::vector<std::string> blackWhite(const CImportImage &image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.height(); ++y) {
    std::string row;
    for (int x = 0; x < image.width(); ++x) {
      row += image.rgbAt(x, y)[0] == 0 ? '#' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(Placement, FitsAndPositions) {
  const auto whole = placeImage(192, 51, FitMode::WholeImage, Position::Centre);
  EXPECT_EQ((std::array{whole.width, whole.height, whole.x, whole.y}), (std::array{96, 25, 0, 13}));
  const auto cover = placeImage(192, 51, FitMode::CoverScreen, Position::Centre);
  EXPECT_EQ((std::array{cover.width, cover.height, cover.x, cover.y}), (std::array{192, 51, -48, 0}));
  const auto right = placeImage(192, 51, FitMode::CoverScreen, Position::BottomRight);
  EXPECT_EQ((std::array{right.x, right.y}), (std::array{-96, 0}));
  const auto tall = placeImage(100, 300, FitMode::WholeImage, Position::BottomRight);
  EXPECT_EQ((std::array{tall.width, tall.height, tall.x, tall.y}), (std::array{17, 51, 79, 0}));
  const auto tallCover = placeImage(100, 301, FitMode::CoverScreen, Position::Centre);
  EXPECT_EQ((std::array{tallCover.width, tallCover.height, tallCover.x, tallCover.y}),
            (std::array{96, 288, 0, -118}));
  for (auto fit : {FitMode::WholeImage, FitMode::CoverScreen, FitMode::Stretch}) {
    for (auto position : {Position::TopLeft, Position::Centre, Position::BottomRight}) {
      const auto same = placeImage(96, 51, fit, position);
      EXPECT_EQ((std::array{same.width, same.height, same.x, same.y}), (std::array{96, 51, 0, 0}));
    }
  }
  const auto stretched = placeImage(5, 3000, FitMode::Stretch, Position::TopLeft);
  EXPECT_EQ((std::array{stretched.width, stretched.height}), (std::array{96, 51}));
  EXPECT_EQ(placeImage(1, 3000, FitMode::WholeImage, Position::Centre).width, 0);
}

TEST(Adjust, BrightnessAndContrast) {
  const std::tuple<int, int, int, int> cases[] = {{200, 100, 0, 255}, {200, 100, 72, 228}, {20, 0, 100, 120},
                                                  {100, 0, 100, 128}, {130, 0, -100, 230}, {127, 0, -100, 27},
                                                  {10, -100, 0, 0},   {128, 0, 0, 128}};
  for (auto [byte, brightness, contrast, adjusted] : cases) {
    EXPECT_EQ(adjustByte(byte, brightness, contrast), adjusted)
        << byte << " " << brightness << " " << contrast;
  }
}

TEST(ErrorDiffusion, UniformGreyFirstAndLastPixelSpreadNothing) {
  // Worked by hand from the rule: bottom row B B W B W (the second pixel
  // passes 56 on, the third -32), then the row above with the errors
  // carried up from it.
  const auto result = Convert(uniform(5, 2, 128), 5, 2, 0, 0);
  EXPECT_EQ(blackWhite(result), (std::vector<std::string>{"..#.#", "##.#."}));
}

TEST(ErrorDiffusion, PureColoursPassUnchanged) {
  CImportImage image = uniform(6, 1, 255);
  for (int x : {1, 3, 4}) {
    std::fill(image.rowFromBottom(0) + 3 * x, image.rowFromBottom(0) + 3 * x + 3, 0);
  }
  EXPECT_EQ(blackWhite(Convert(image, 6, 1, 0, 0)), (std::vector<std::string>{".#.##."}));
  // Nearest neighbour takes columns 0, 2 and 4.
  EXPECT_EQ(blackWhite(Convert(image, 3, 1, 0, 0)), (std::vector<std::string>{"..#"}));
  // Contrast 100 pulls white to 155 and black to 100; by hand: 155 W, 100 B
  // (+43 on), 198 W (-25 on), 75 B (+32 on), 132 W (-54 on), 101 B.
  EXPECT_EQ(blackWhite(Convert(image, 6, 1, 0, 100)), (std::vector<std::string>{".#.#.#"}));
}

TEST(Resampling, RowsAreCountedFromTheBottom) {
  // Four rows from the top: white, black, white, black.
  CImportImage image = uniform(2, 4, 255);
  for (int row : {0, 2}) {
    std::fill(image.rowFromBottom(row), image.rowFromBottom(row) + 6, 0);
  }
  // Output row i (from the bottom) takes source row 2i: both black.
  EXPECT_EQ(blackWhite(Convert(image, 2, 2, 0, 0)), (std::vector<std::string>{"##", "##"}));
  EXPECT_TRUE(Convert(image, 0, 2, 0, 0).empty());
}

TEST(Import, LaysTheImageOverTheDrawing) {
  CAnimation picture;
  picture.setPixel(0, 0, true);
  picture.setPixel(95, 50, true);
  const auto black = uniform(10, 10, 0);
  ASSERT_EQ(ImportIntoPicture(picture, black, {FitMode::Stretch, Position::Centre, 0, 0}), ImportResult::Ok);
  EXPECT_TRUE(picture.pixel(0, 0));
  EXPECT_TRUE(picture.pixel(50, 25));
  picture.setBits({});
  picture.setPixel(0, 0, true);
  const auto white = uniform(48, 51, 255);
  ASSERT_EQ(ImportIntoPicture(picture, white, {FitMode::WholeImage, Position::Centre, 0, 0}),
            ImportResult::Ok);
  EXPECT_TRUE(picture.modified());
  EXPECT_TRUE(picture.pixel(0, 0));
}

TEST(Import, OverflowingImageShowsItsMiddle) {
  // 192 x 51: black on the left quarter and the right quarter.
  CImportImage image = uniform(192, 51, 255);
  for (int row = 0; row < 51; ++row) {
    std::fill(image.rowFromBottom(row), image.rowFromBottom(row) + 3 * 48, 0);
    std::fill(image.rowFromBottom(row) + 3 * 144, image.rowFromBottom(row) + 3 * 192, 0);
  }
  CAnimation picture;
  ASSERT_EQ(ImportIntoPicture(picture, image, {FitMode::CoverScreen, Position::Centre, 0, 0}),
            ImportResult::Ok);
  for (int x = 0; x < 96; ++x) {
    EXPECT_EQ(picture.pixel(x, 20), x < 48 - 48 || x >= 144 - 48) << x;
  }
  EXPECT_FALSE(picture.pixel(0, 0));
}

TEST(Import, ResultsFromFiles) {
  CAnimation picture;
  picture.setPixel(3, 3, true);
  const CAnimation before = picture;
  EXPECT_EQ(ImportIntoPicture(picture, kData + "colour.jpeg", {}), ImportResult::NotAPicture);
  EXPECT_EQ(ImportIntoPicture(picture, kData + "rle8.bmp", {}), ImportResult::CannotRead);
  EXPECT_EQ(picture, before);
  EXPECT_EQ(ImportIntoPicture(picture, kData + "mono1.bmp", {}), ImportResult::Ok);
  EXPECT_EQ(importMessage(ImportResult::NotAPicture),
            "그림 파일이 아니거나 지원하지 않는 포맷입니다.\n" + std::string(kTakenFormats));
  EXPECT_EQ(importMessage(ImportResult::CannotRead),
            "그림 파일을 읽어들일 수 없습니다.\n" + std::string(kTakenFormats));
}

} // namespace
} // namespace pdx::animation
