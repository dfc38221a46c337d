// Pictures as cameras, photo editors and web pages write them: transparent
// and wide-code GIFs, CMYK and YCCK JPEGs, EXIF-oriented JPEGs and JPEGs
// with damaged tails, each written here and checked pixel by pixel.
#include "animation/image/gif_reader.h"
#include "animation/image/import_image.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace pdx::animation {
namespace {

using Rgb = std::array<uint8_t, 3>;

// ---- GIF ----------------------------------------------------------------

// LZW data of literal codes only, with a clear code often enough that the
// code width never grows; 12-bit codes (minimum size 11) never grow anyway.
std::vector<uint8_t> literalLzw(int minSize, const std::vector<int> &pixels) {
  const int clear = 1 << minSize, width = minSize + 1;
  std::vector<int> codes = {clear};
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (i > 0 && minSize < 11 && i % static_cast<size_t>(clear - 2) == 0) {
      codes.push_back(clear);
    }
    codes.push_back(pixels[i]);
  }
  codes.push_back(clear + 1);
  std::vector<uint8_t> packed;
  uint32_t buffer = 0;
  int bits = 0;
  for (int code : codes) {
    buffer |= static_cast<uint32_t>(code) << bits;
    for (bits += width; bits >= 8; bits -= 8, buffer >>= 8) {
      packed.push_back(static_cast<uint8_t>(buffer));
    }
  }
  if (bits > 0) {
    packed.push_back(static_cast<uint8_t>(buffer));
  }
  std::vector<uint8_t> out = {static_cast<uint8_t>(minSize)};
  for (size_t at = 0; at < packed.size(); at += 255) {
    const size_t n = std::min<size_t>(255, packed.size() - at);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), packed.begin() + static_cast<long>(at), packed.begin() + static_cast<long>(at + n));
  }
  out.push_back(0);
  return out;
}

const std::vector<Rgb> kPalette = {{10, 20, 30}, {200, 0, 0}, {0, 90, 0}, {0, 0, 0}};

// A 4 x 1 GIF89a over kPalette with `extensions` before its image.
std::vector<uint8_t> gif(int minSize, const std::vector<int> &pixels,
                         const std::vector<uint8_t> &extensions) {
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 1, 0, 0x81, 0, 0};
  for (const Rgb &c : kPalette) {
    out.insert(out.end(), c.begin(), c.end());
  }
  out.insert(out.end(), extensions.begin(), extensions.end());
  const std::vector<uint8_t> descriptor = {',', 0, 0, 0, 0, 4, 0, 1, 0, 0};
  out.insert(out.end(), descriptor.begin(), descriptor.end());
  const auto data = literalLzw(minSize, pixels);
  out.insert(out.end(), data.begin(), data.end());
  out.push_back(';');
  return out;
}

std::vector<uint8_t> control(uint8_t flags, uint8_t index) {
  return {'!', 0xF9, 4, flags, 10, 0, index, 0};
}

TEST(GifVariants, TransparencyAndWideCodes) {
  const std::vector<uint8_t> plainText = {'!', 0x01, 1, 0, 0};
  const std::vector<uint8_t> comment = {'!', 0xFE, 2, 'h', 'i', 0};
  auto transparentThenText = control(1, 1);
  transparentThenText.insert(transparentThenText.end(), plainText.begin(), plainText.end());
  auto commentThenTransparent = comment;
  const auto t0 = control(1, 0);
  commentThenTransparent.insert(commentThenTransparent.end(), t0.begin(), t0.end());
  const Rgb white = {255, 255, 255};
  struct Case {
    const char *what;
    int minSize;
    std::vector<uint8_t> extensions;
    std::vector<Rgb> expected; // empty: refused
  } cases[] = {
      {"no extension", 2, {}, kPalette},
      {"transparent index 1", 2, control(1, 1), {kPalette[0], white, kPalette[2], kPalette[3]}},
      {"index without the flag", 2, control(0, 1), kPalette},
      {"control for a plain text", 2, transparentThenText, kPalette},
      {"after a comment", 2, commentThenTransparent, {white, kPalette[1], kPalette[2], kPalette[3]}},
      {"code size 11", 11, control(1, 3), {kPalette[0], kPalette[1], kPalette[2], white}},
      {"code size 12", 12, {}, {}},
  };
  for (const Case &c : cases) {
    CImportImage image;
    const bool read = readGif(gif(c.minSize, {0, 1, 2, 3}, c.extensions), "t.gif", image);
    ASSERT_EQ(read, !c.expected.empty()) << c.what << ": " << image.status();
    for (int x = 0; read && x < 4; ++x) {
      EXPECT_EQ(image.rgbAt(x, 0), c.expected[static_cast<size_t>(x)]) << c.what << " at " << x;
    }
  }
}

// ---- JPEG ---------------------------------------------------------------

struct JpegSpec {
  int width, height;
  J_COLOR_SPACE input;                      // samples given to the compressor
  J_COLOR_SPACE stored;                     // colour space of the file
  bool adobe = true;                        // Adobe marker (CMYK and YCCK)
  std::function<int(int, int, int)> sample; // (x, y, component) -> 0..255
  std::vector<uint8_t> exif;                // APP1 data, when not empty
};

std::vector<uint8_t> writeJpeg(const JpegSpec &spec) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(spec.width);
  info.image_height = static_cast<JDIMENSION>(spec.height);
  info.in_color_space = spec.input;
  info.input_components = spec.input == JCS_GRAYSCALE ? 1 : spec.input == JCS_CMYK ? 4 : 3;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, spec.stored);
  info.write_Adobe_marker = spec.adobe;
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (!spec.exif.empty()) {
    jpeg_write_marker(&info, JPEG_APP0 + 1, spec.exif.data(), static_cast<unsigned>(spec.exif.size()));
  }
  std::vector<JSAMPLE> row(static_cast<size_t>(spec.width * info.input_components));
  for (int y = 0; y < spec.height; ++y) {
    for (size_t i = 0; i < row.size(); ++i) {
      const int n = info.input_components;
      row[i] = static_cast<JSAMPLE>(spec.sample(static_cast<int>(i) / n, y, static_cast<int>(i) % n));
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

void expectNear(const Rgb &actual, const Rgb &expected, const std::string &where) {
  for (size_t c = 0; c < 3; ++c) {
    EXPECT_NEAR(actual[c], expected[c], 3) << where << " channel " << c;
  }
}

TEST(JpegVariants, FourInkFilesBecomeRgb) {
  // Left half cyan ink, right half half black; Adobe's files store each ink
  // inverted.
  const auto inks = [](bool inverted) {
    return [inverted](int x, int, int c) {
      const int ink = x < 16 ? (c == 0 ? 255 : 0) : (c == 3 ? 128 : 0);
      return inverted ? 255 - ink : ink;
    };
  };
  // YCCK exists only with the Adobe marker, which names the transform.
  const std::pair<J_COLOR_SPACE, bool> kinds[] = {{JCS_CMYK, true}, {JCS_CMYK, false}, {JCS_YCCK, true}};
  for (const auto &[stored, adobe] : kinds) {
    CImportImage image;
    const auto file = writeJpeg({32, 16, JCS_CMYK, stored, adobe, inks(adobe), {}});
    const std::string what = std::to_string(stored) + (adobe ? " Adobe" : " plain");
    ASSERT_TRUE(readImage(ImageType::Jpeg, file, image)) << what << ": " << image.status();
    EXPECT_EQ(image.status(), "OK");
    expectNear(image.rgbAt(4, 4), {0, 255, 255}, what + " cyan");
    expectNear(image.rgbAt(27, 11), {127, 127, 127}, what + " grey");
  }
}

// An APP1 block holding only the orientation tag.
std::vector<uint8_t> exifBlock(int orientation, bool bigEndian, uint16_t type = 3) {
  std::vector<uint8_t> out = {'E', 'x', 'i', 'f', 0, 0};
  const auto u16 = [&](int v) {
    out.push_back(static_cast<uint8_t>(bigEndian ? v >> 8 : v));
    out.push_back(static_cast<uint8_t>(bigEndian ? v : v >> 8));
  };
  const auto u32 = [&](int v) { bigEndian ? (u16(0), u16(v)) : (u16(v), u16(0)); };
  u16(bigEndian ? 0x4D4D : 0x4949);
  u16(42);
  u32(8);
  u16(2);
  for (int tag : {0x010F, 0x0112}) {
    u16(tag);
    u16(type);
    u32(1);
    u16(tag == 0x0112 ? orientation : 0);
    u16(0);
  }
  u32(0);
  return out;
}

TEST(JpegVariants, ExifOrientationTurnsThePicture) {
  // A grey 24 x 16 picture of 8 x 8 blocks, stored as rows "ABC" and "DEF".
  const auto levels = [](int x, int y, int) { return 50 * (x / 8 + 3 * (y / 8)); };
  auto cut = exifBlock(6, false);
  cut.resize(30);
  struct Case {
    std::vector<uint8_t> exif;
    const char *shown; // rows of blocks, top first
  } cases[] = {
      {{}, "ABC/DEF"},
      {exifBlock(1, false), "ABC/DEF"},
      {exifBlock(2, false), "CBA/FED"},
      {exifBlock(3, true), "FED/CBA"},
      {exifBlock(4, false), "DEF/ABC"},
      {exifBlock(5, true), "AD/BE/CF"},
      {exifBlock(6, false), "DA/EB/FC"},
      {exifBlock(6, true), "DA/EB/FC"},
      {exifBlock(7, false), "FC/EB/DA"},
      {exifBlock(8, true), "CF/BE/AD"},
      {exifBlock(9, false), "ABC/DEF"},
      {exifBlock(6, false, 4), "ABC/DEF"},
      {cut, "ABC/DEF"},
  };
  for (const Case &c : cases) {
    const auto file = writeJpeg({24, 16, JCS_GRAYSCALE, JCS_GRAYSCALE, false, levels, c.exif});
    CImportImage image;
    ASSERT_TRUE(readImage(ImageType::Jpeg, file, image)) << c.shown << ": " << image.status();
    std::string shown;
    for (int by = 0; by * 8 < image.height(); ++by) {
      shown += by > 0 ? "/" : "";
      for (int bx = 0; bx * 8 < image.width(); ++bx) {
        shown += static_cast<char>('A' + (image.rgbAt(8 * bx + 4, 8 * by + 4)[0] + 25) / 50);
      }
    }
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(JpegVariants, RowsReadBeforeADamagedTailAreKept) {
  const auto grey = [](int x, int, int) { return x < 8 ? 40 : 220; };
  const auto good = writeJpeg({16, 8, JCS_GRAYSCALE, JCS_GRAYSCALE, false, grey, {}});
  auto unknownMarker = good;
  unknownMarker.insert(unknownMarker.end() - 2, {0xFF, 0x02, 0, 4, 1, 2});
  const auto cut = std::vector<uint8_t>(good.begin(), good.end() - 4);
  const auto header = std::vector<uint8_t>(good.begin(), good.begin() + 20);
  struct Case {
    const char *what;
    std::vector<uint8_t> file;
    bool read;
    const char *status;
  } cases[] = {
      {"whole", good, true, "OK"},
      {"unknown marker after the rows", unknownMarker, true, "Unsupported marker type 0x02"},
      {"header only", header, false, "JPEG 파일을 읽어들일 때 에러가 발생하였습니다."},
  };
  for (const Case &c : cases) {
    CImportImage image;
    ASSERT_EQ(readImage(ImageType::Jpeg, c.file, image), c.read) << c.what << ": " << image.status();
    EXPECT_EQ(image.status(), c.status) << c.what;
    if (c.read) {
      expectNear(image.rgbAt(2, 2), {40, 40, 40}, c.what);
      expectNear(image.rgbAt(13, 5), {220, 220, 220}, c.what);
    }
  }
  CImportImage image;
  ASSERT_TRUE(readImage(ImageType::Jpeg, cut, image));
  EXPECT_NE(image.status(), "OK") << "a stream cut short is noted";
}

} // namespace
} // namespace pdx::animation
