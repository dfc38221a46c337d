// GIF files written by giflib, large and varied enough that the LZW table
// fills up and is cleared again, read back pixel for pixel; a transparent
// colour comes back white.
#include "animation/image/gif_reader.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

int append(GifFileType *gif, const GifByteType *data, int length) {
  auto *out = static_cast<std::vector<uint8_t> *>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

uint8_t indexAt(int x, int y, int colours) {
  return static_cast<uint8_t>(((x * 31) ^ (y * 17) ^ (x * y)) % colours);
}

GifColorType colourOf(int i) {
  return {static_cast<GifByteType>(i * 3), static_cast<GifByteType>(255 - i),
          static_cast<GifByteType>(i * 11)};
}

std::vector<uint8_t> writeGif(int width, int height, int colours, bool interlaced, int transparent) {
  std::vector<uint8_t> bytes;
  int error = 0;
  GifFileType *gif = EGifOpen(&bytes, append, &error);
  std::vector<GifColorType> table(static_cast<size_t>(colours));
  for (int i = 0; i < colours; ++i) {
    table[static_cast<size_t>(i)] = colourOf(i);
  }
  ColorMapObject *map = GifMakeMapObject(colours, table.data());
  EXPECT_NE(EGifPutScreenDesc(gif, width, height, 8, 0, nullptr), GIF_ERROR);
  if (transparent >= 0) {
    const uint8_t control[] = {1, 10, 0, static_cast<uint8_t>(transparent)};
    EXPECT_NE(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control), GIF_ERROR);
  }
  EXPECT_NE(EGifPutImageDesc(gif, 0, 0, width, height, interlaced, map), GIF_ERROR);
  std::vector<GifPixelType> row(static_cast<size_t>(width));
  // giflib expects interlaced rows in pass order.
  std::vector<int> order;
  for (auto [start, step] : interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                       : std::vector<std::pair<int, int>>{{0, 1}}) {
    for (int y = start; y < height; y += step) {
      order.push_back(y);
    }
  }
  for (int y : order) {
    for (int x = 0; x < width; ++x) {
      row[static_cast<size_t>(x)] = indexAt(x, y, colours);
    }
    EXPECT_NE(EGifPutLine(gif, row.data(), width), GIF_ERROR);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

struct GifCase {
  int width, height, colours;
  bool interlaced;
  int transparent = -1;
};

class GifRoundTrip : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifRoundTrip, EveryPixelComesBack) {
  const auto c = GetParam();
  const auto file = writeGif(c.width, c.height, c.colours, c.interlaced, c.transparent);
  CImportImage image;
  ASSERT_TRUE(readGif(file, "t.gif", image)) << image.status();
  EXPECT_EQ(image.status(), "No Error");
  ASSERT_EQ(image.width(), c.width);
  ASSERT_EQ(image.height(), c.height);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const int index = indexAt(x, y, c.colours);
      const GifColorType colour = index == c.transparent ? GifColorType{255, 255, 255} : colourOf(index);
      ASSERT_EQ(image.rgbAt(x, y), (std::array<uint8_t, 3>{colour.Red, colour.Green, colour.Blue}))
          << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GifRoundTrip,
                         ::testing::Values(GifCase{300, 200, 256, false}, GifCase{257, 131, 256, true},
                                           GifCase{64, 40, 2, false}, GifCase{1, 1, 4, false},
                                           GifCase{123, 77, 16, true}, GifCase{40, 30, 16, false, 5}));

} // namespace
} // namespace pdx::animation
