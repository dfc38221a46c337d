#include "animation/image/bmp_reader.h"
#include "animation/image/gif_reader.h"
#include "animation/image/import_image.h"
#include "core/base/test_support.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace pdx::animation {
namespace {

const std::string kData = std::string(PDX_SOURCE_DIR) + "/animation/image/testdata/";

// A binary PPM (P6, maxval 255) as ImageMagick writes it.
struct Ppm {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

Ppm readPpm(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  Ppm ppm;
  in >> magic >> ppm.width >> ppm.height >> maxval;
  in.get();
  ppm.rgb.resize(static_cast<size_t>(ppm.width * ppm.height * 3));
  in.read(reinterpret_cast<char *>(ppm.rgb.data()), static_cast<std::streamsize>(ppm.rgb.size()));
  return ppm;
}

// A BMP file: the headers, then `table` and `pixels` as given.
std::vector<uint8_t> bmp(int width, int height, int bits, std::vector<uint8_t> table,
                         std::vector<uint8_t> pixels, uint32_t compression = 0, uint32_t colours = 0) {
  std::vector<uint8_t> out = {'B', 'M'};
  auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
  };
  auto u16 = [&](uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
  };
  u32(static_cast<uint32_t>(54 + table.size() + pixels.size()));
  u32(0);
  u32(static_cast<uint32_t>(54 + table.size()));
  u32(40);
  u32(static_cast<uint32_t>(width));
  u32(static_cast<uint32_t>(height));
  u16(1);
  u16(static_cast<uint16_t>(bits));
  u32(compression);
  u32(static_cast<uint32_t>(pixels.size()));
  u32(2835);
  u32(2835);
  u32(colours);
  u32(0);
  out.insert(out.end(), table.begin(), table.end());
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

class DecodesLikeImageMagick : public ::testing::TestWithParam<std::string> {};

TEST_P(DecodesLikeImageMagick, EveryPixelMatches) {
  const std::string name = GetParam();
  CImportImage image;
  ASSERT_EQ(image.LoadImage(kData + name), LoadResult::Ok) << image.status();
  const Ppm expected = readPpm(kData + name + ".ppm");
  ASSERT_EQ(image.width(), expected.width);
  ASSERT_EQ(image.height(), expected.height);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const auto rgb = image.rgbAt(x, y);
      const size_t at = static_cast<size_t>((y * expected.width + x) * 3);
      for (size_t c = 0; c < 3; ++c) {
        ASSERT_EQ(rgb[c], expected.rgb[at + c]) << name << " at " << x << "," << y << " channel " << c;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Files, DecodesLikeImageMagick,
                         ::testing::Values("rgb24.bmp", "pal8.bmp", "pal4.bmp", "mono1.bmp", "pal8v5.bmp",
                                           "rgb24v5.bmp", "plain.gif", "interlaced.gif", "old87a.gif",
                                           "colour.jpg", "grey.jpg"),
                         [](const auto &info) {
                           std::string n = info.param;
                           std::replace(n.begin(), n.end(), '.', '_');
                           return n;
                         });

TEST(BmpReader, IndicesPastTheColourTableAreBlack) {
  // 4 bits, two table entries (colours used 2), pixel indices 1 and 9.
  const auto file = bmp(2, 1, 4, {10, 20, 30, 0, 40, 50, 60, 0}, {0x19, 0, 0, 0}, 0, 2);
  CImportImage image;
  ASSERT_TRUE(readBmp(file, image));
  EXPECT_EQ(image.rgbAt(0, 0), (std::array<uint8_t, 3>{60, 50, 40}));
  EXPECT_EQ(image.rgbAt(1, 0), (std::array<uint8_t, 3>{0, 0, 0}));
}

struct Refusal {
  std::vector<uint8_t> file;
  const char *status;
};

// An 8-bit picture of the first version of the format: a 12-byte header
// and a table of 3-byte colours.
std::vector<uint8_t> os2Bmp() {
  std::vector<uint8_t> out = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 3, 0,
                              0,   12,  0, 0, 0, 1, 0, 1, 0, 1, 0,  8, 0};
  out.resize(out.size() + 3 * 256 + 4, 0x11);
  return out;
}

TEST(BmpReader, RefusesWhatItCannotRead) {
  const std::vector<uint8_t> row(4, 0);
  const std::vector<Refusal> cases = {
      {os2Bmp(), "OS/2 1.x BMP header (12 bytes) is not supported"},
      {{'B', 'X', 0, 0}, "Not a valid BMP File"},
      {{'B', 'M', 0, 0, 0}, "Read Error!"},
      {bmp(1, 1, 8, std::vector<uint8_t>(1024), row, 1), "This is a compressed file."},
      {bmp(1, 1, 16, {}, row), "Unsupported bit count"},
      {bmp(1, 1, 32, {}, row), "Unsupported bit count"},
      {bmp(1, -1, 24, {}, row), "Unsupported image size"},
      {bmp(0, 1, 24, {}, row), "Unsupported image size"},
      {bmp(16385, 1, 24, {}, row), "Unsupported image size"},
      {bmp(1, 1, 8, std::vector<uint8_t>(16), row), "Corrupt palette"},
      {bmp(1, 1, 1, std::vector<uint8_t>(8), row, 0, 0x40000000), "Corrupt palette"},
      {bmp(3, 2, 24, {}, std::vector<uint8_t>(23)), "Read Error"},
  };
  for (const auto &c : cases) {
    CImportImage image;
    EXPECT_FALSE(readBmp(c.file, image));
    EXPECT_EQ(image.status(), c.status);
  }
  CImportImage image;
  EXPECT_EQ(image.LoadImage(kData + "rle8.bmp"), LoadResult::ReaderFailed);
  EXPECT_EQ(image.status(), "This is a compressed file.");
}

TEST(GifReader, RefusesWhatItCannotRead) {
  const auto good = pdx::readWholeFile<std::vector<uint8_t>>(kData + "plain.gif");
  auto version = good;
  version[4] = '8';
  auto noImage = std::vector<uint8_t>(good.begin(), good.begin() + 13 + 3 * 256);
  const std::vector<Refusal> cases = {
      {{'G', 'I', 'F'}, "Error reading GIF Magic #\nx.gif"},
      {{'P', 'N', 'G', '8', '9', 'a'}, "Error, x.gif is not a valid .GIF file"},
      {version, "Error, Bad GIF Version number"},
      {{'G', 'I', 'F', '8', '9', 'a', 1, 0}, "Error, failed to GIF read screen descriptor.\nGiving up"},
      {{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x87, 0, 0, 1, 2},
       "Error reading GIF file\nGIFScreen Colormap\nGiving up"},
      {noImage, "Unexpected EOF in GIF.\nGiving up"},
      {{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, '!', 0xF9, 4, 1},
       "Error on extension read.\nGiving up"},
      {{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, ',', 0, 0}, "Error on dimension read\nGiving up"},
  };
  for (const auto &c : cases) {
    CImportImage image;
    EXPECT_FALSE(readGif(c.file, "x.gif", image));
    EXPECT_EQ(image.status(), c.status);
  }
}

TEST(GifReader, ShortDataStillGivesTheWholeImage) {
  const auto good = pdx::readWholeFile<std::vector<uint8_t>>(kData + "plain.gif");
  CImportImage full, cut;
  ASSERT_TRUE(readGif(good, "", full));
  ASSERT_TRUE(readGif(std::span(good).first(good.size() / 2 + 400), "", cut));
  ASSERT_EQ(cut.width(), 37);
  ASSERT_EQ(cut.height(), 23);
  EXPECT_EQ(cut.rgbAt(0, 0), full.rgbAt(0, 0));
}

TEST(GifReader, TransparencyAndWideCodes) {
  // 4 x 1, colours 0 to 3 with 3 transparent, minimum code size 11.
  const auto file = pdx::readWholeFile<std::vector<uint8_t>>(
      std::string(PDX_SOURCE_DIR) + "/animation/image/fuzz_corpus/gif/transparent-code11.gif");
  auto noFlag = file, plainText = file, codeSize12 = file;
  noFlag[28] = 0;
  plainText.insert(plainText.begin() + 33, {'!', 0x01, 1, 0, 0});
  codeSize12[43] = 12;
  for (const auto &[bytes, last] : {std::pair{file, 255}, {noFlag, 0}, {plainText, 0}}) {
    CImportImage image;
    ASSERT_TRUE(readGif(bytes, "", image)) << image.status();
    EXPECT_EQ(image.rgbAt(1, 0), (std::array<uint8_t, 3>{200, 0, 0}));
    EXPECT_EQ(image.rgbAt(3, 0), (std::array<uint8_t, 3>{uint8_t(last), uint8_t(last), uint8_t(last)}));
  }
  CImportImage image;
  EXPECT_FALSE(readGif(codeSize12, "", image));
}

TEST(GifReader, NotesNonSquarePixelsAndGoesOn) {
  auto file = pdx::readWholeFile<std::vector<uint8_t>>(kData + "old87a.gif");
  file[12] = 17;
  CImportImage image;
  EXPECT_TRUE(readGif(file, "", image));
  EXPECT_EQ(image.status(), "Non-square pixels in GIF image.\nIgnoring that fact...");
}

TEST(ImportImage, ExtensionsDecideTheReader) {
  EXPECT_EQ(imageTypeOf("a.BMP"), ImageType::Bmp);
  EXPECT_EQ(imageTypeOf("dir.jpg/a.Gif"), ImageType::Gif);
  EXPECT_EQ(imageTypeOf("a.JpG"), ImageType::Jpeg);
  EXPECT_EQ(imageTypeOf("a.jpeg"), std::nullopt);
  EXPECT_EQ(imageTypeOf("dir.bmp/noext"), std::nullopt);
  CImportImage image;
  EXPECT_EQ(image.LoadImage(kData + "colour.jpeg"), LoadResult::UnsupportedType);
  EXPECT_EQ(image.LoadImage(kData + "missing.jpg"), LoadResult::ReaderFailed);
  EXPECT_EQ(image.status(), kData + "missing.jpg 파일을 열 수 없습니다.\n");
  EXPECT_EQ(image.LoadImage(kData + "missing.gif"), LoadResult::ReaderFailed);
  EXPECT_EQ(image.status(), "Cant open GIF :\n" + kData + "missing.gif");
}

TEST(JpegReader, SizeLimitsAreInclusive) {
  CImportImage image;
  const auto whole = pdx::readWholeFile<std::vector<uint8_t>>(kData + "colour.jpg");
  EXPECT_FALSE(readImage(ImageType::Jpeg, whole, image, ImageLimits{36, 100}));
  EXPECT_TRUE(readImage(ImageType::Jpeg, whole, image, ImageLimits{37, 23}));
}

// A GIF of one image declaring `width` x `height` with a few bytes of data.
std::vector<uint8_t> tinyGif(uint16_t width, uint16_t height) {
  const auto lo = [](uint16_t v) { return static_cast<uint8_t>(v); };
  const auto hi = [](uint16_t v) { return static_cast<uint8_t>(v >> 8); };
  return {'G', 'I', 'F', '8',  '9',  'a',  lo(width), hi(width), lo(height), hi(height), 0,
          0,   0,   ',', 0,    0,    0,    0,         lo(width), hi(width),  lo(height), hi(height),
          0,   2,   4,   0x84, 0x8F, 0xA9, 0xCB,      0,         ';'};
}

// The JPEG test picture claiming another size in its frame header.
std::vector<uint8_t> jpegClaiming(uint16_t width, uint16_t height) {
  auto file = pdx::readWholeFile<std::vector<uint8_t>>(kData + "colour.jpg");
  for (size_t i = 0; i + 9 < file.size(); ++i) {
    if (file[i] == 0xFF && (file[i + 1] == 0xC0 || file[i + 1] == 0xC2)) {
      file[i + 5] = static_cast<uint8_t>(height >> 8);
      file[i + 6] = static_cast<uint8_t>(height);
      file[i + 7] = static_cast<uint8_t>(width >> 8);
      file[i + 8] = static_cast<uint8_t>(width);
      break;
    }
  }
  return file;
}

TEST(ImportImage, SmallFilesClaimingHugePicturesAreRefusedWithoutTheirMemory) {
  const struct {
    ImageType type;
    std::vector<uint8_t> file;
  } cases[] = {
      {ImageType::Gif, tinyGif(16384, 16384)},
      {ImageType::Gif, tinyGif(4000, 4000)}, // within the pixel limit, not within what the data can hold
      {ImageType::Bmp,
       bmp(16384, 16384, 1, std::vector<uint8_t>(8), std::vector<uint8_t>(16384 / 8 * 16384))},
      {ImageType::Jpeg, jpegClaiming(16384, 16384)},
      {ImageType::Jpeg, jpegClaiming(9000, 9000)},
      {ImageType::Jpeg,
       jpegClaiming(8000, 8000)}, // within the pixel limit, not within what the data can hold
  };
  const long before = peakResidentKb();
  for (const auto &c : cases) {
    CImportImage image;
    EXPECT_FALSE(readImage(c.type, c.file, image)) << static_cast<int>(c.type) << " " << c.file.size();
    EXPECT_TRUE(image.empty());
  }
  EXPECT_LT(peakResidentKb() - before, 64 * 1024);
}

} // namespace
} // namespace pdx::animation
