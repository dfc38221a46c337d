// JPEG files as cameras and photo editors write them, made here with
// libjpeg's compressor: CMYK and YCCK, EXIF orientations, damaged tails.
// Each is checked block by block against the picture a viewer shows.
#include "animation/image/import_image.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace pdx::animation {
namespace {

constexpr int kBlock = 16; // uniform blocks survive compression and subsampling

using Sample = std::function<int(int x, int y, int component)>;

// Grey blocks A to F (levels 0, 50, ... 250) in the rows "ABC" and "DEF".
const Sample kGreyBlocks = [](int x, int y, int) { return 50 * (x / kBlock + 3 * (y / kBlock)); };
// Cyan ink on the left, half black on the right; `inverted` as Adobe stores inks.
Sample inks(bool inverted) {
  return [inverted](int x, int, int c) {
    const int ink = x < kBlock ? (c == 0 ? 255 : 0) : (c == 3 ? 128 : 0);
    return inverted ? 255 - ink : ink;
  };
}

std::vector<uint8_t> writeJpeg(J_COLOR_SPACE stored, bool adobe, const Sample &sample,
                               const std::vector<uint8_t> &exif) {
  const bool grey = stored == JCS_GRAYSCALE;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>((grey ? 3 : 2) * kBlock);
  info.image_height = static_cast<JDIMENSION>((grey ? 2 : 1) * kBlock);
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_CMYK;
  info.input_components = grey ? 1 : 4;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, stored);
  info.write_Adobe_marker = adobe;
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (!exif.empty()) {
    jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
  }
  std::vector<JSAMPLE> row(info.image_width * static_cast<size_t>(info.input_components));
  for (int y = 0; y < static_cast<int>(info.image_height); ++y) {
    for (size_t i = 0; i < row.size(); ++i) {
      row[i] = static_cast<JSAMPLE>(sample(static_cast<int>(i) / info.input_components, y,
                                           static_cast<int>(i) % info.input_components));
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

// An APP1 block whose first directory holds a make tag and the orientation.
std::vector<uint8_t> exif(int orientation, bool bigEndian, uint16_t type = 3) {
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

// The colour a block letter stands for.
std::array<int, 3> colourOf(char block) {
  if (block == 'c') {
    return {0, 255, 255};
  }
  const int level = block == 'g' ? 127 : 50 * (block - 'A');
  return {level, level, level};
}

struct Case {
  const char *what;
  std::vector<uint8_t> file;
  const char *shown; // block rows, top first; "" when not checked
  const char *status;
};

TEST(JpegVariants, DecodeAsAViewerShowsThem) {
  const auto grey = [](std::vector<uint8_t> app1) {
    return writeJpeg(JCS_GRAYSCALE, false, kGreyBlocks, app1);
  };
  auto unknownMarker = grey({}), cut = grey({}), header = grey({}), shortExif = exif(6, false);
  unknownMarker.insert(unknownMarker.end() - 2, {0xFF, 0x02, 0, 4, 1, 2});
  cut.resize(cut.size() - 4);
  header.resize(20);
  shortExif.resize(30);
  const Case cases[] = {
      {"Adobe CMYK", writeJpeg(JCS_CMYK, true, inks(true), {}), "cg", "OK"},
      {"plain CMYK", writeJpeg(JCS_CMYK, false, inks(false), {}), "cg", "OK"},
      {"Adobe YCCK", writeJpeg(JCS_YCCK, true, inks(true), {}), "cg", "OK"},
      {"no EXIF", grey({}), "ABC/DEF", "OK"},
      {"orientation 1", grey(exif(1, false)), "ABC/DEF", "OK"},
      {"orientation 2", grey(exif(2, false)), "CBA/FED", "OK"},
      {"orientation 3", grey(exif(3, true)), "FED/CBA", "OK"},
      {"orientation 4", grey(exif(4, false)), "DEF/ABC", "OK"},
      {"orientation 5", grey(exif(5, true)), "AD/BE/CF", "OK"},
      {"orientation 6", grey(exif(6, false)), "DA/EB/FC", "OK"},
      {"orientation 6 big-endian", grey(exif(6, true)), "DA/EB/FC", "OK"},
      {"orientation 7", grey(exif(7, false)), "FC/EB/DA", "OK"},
      {"orientation 8", grey(exif(8, true)), "CF/BE/AD", "OK"},
      {"orientation 9", grey(exif(9, false)), "ABC/DEF", "OK"},
      {"orientation as a long", grey(exif(6, false, 4)), "ABC/DEF", "OK"},
      {"EXIF cut short", grey(shortExif), "ABC/DEF", "OK"},
      {"unknown marker after the rows", unknownMarker, "ABC/DEF", "Unsupported marker type 0x02"},
      {"cut in the last row", cut, "", "Premature end of JPEG file"},
      {"header only", header, nullptr, "JPEG 파일을 읽어들일 때 에러가 발생하였습니다."},
  };
  for (const Case &c : cases) {
    CImportImage image;
    EXPECT_EQ(readImage(ImageType::Jpeg, c.file, image), c.shown != nullptr) << c.what;
    EXPECT_EQ(image.status(), c.status) << c.what;
    const std::string shown = c.shown != nullptr ? c.shown : "";
    if (shown.empty()) {
      continue;
    }
    const auto rows = static_cast<int>(std::count(shown.begin(), shown.end(), '/')) + 1;
    ASSERT_EQ(image.width(),
              static_cast<int>(shown.find('/') == std::string::npos ? shown.size() : shown.find('/')) *
                  kBlock)
        << c.what;
    ASSERT_EQ(image.height(), rows * kBlock) << c.what;
    int row = 0, column = 0;
    for (char block : shown) {
      if (block == '/') {
        ++row, column = 0;
        continue;
      }
      const auto rgb = image.rgbAt(column * kBlock + 5, row * kBlock + 9);
      for (size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(rgb[k], colourOf(block)[k], 3) << c.what << " block " << row << "," << column;
      }
      ++column;
    }
  }
}

} // namespace
} // namespace pdx::animation
