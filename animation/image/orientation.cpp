#include "animation/image/orientation.h"

#include <cstring>

namespace pdx::animation {

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;

// TIFF fields in the byte order the structure declares; reads outside it
// give nothing.
class TiffReader {
public:
  TiffReader(std::span<const uint8_t> data, bool bigEndian) : data_(data), bigEndian_(bigEndian) {}
  bool u16(size_t at, uint16_t &out) const {
    if (at > data_.size() || data_.size() - at < 2) {
      return false;
    }
    const uint8_t *p = data_.data() + at;
    out = static_cast<uint16_t>(bigEndian_ ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8));
    return true;
  }
  bool u32(size_t at, uint32_t &out) const {
    uint16_t a = 0, b = 0;
    if (!u16(at, a) || !u16(at + 2, b)) {
      return false;
    }
    out = bigEndian_ ? (uint32_t(a) << 16) | b : (uint32_t(b) << 16) | a;
    return true;
  }

private:
  std::span<const uint8_t> data_;
  bool bigEndian_;
};

// Source column and row of pixel (x, y) of the turned picture, for a stored
// picture of w x h.
void sourceOf(int orientation, int x, int y, int w, int h, int &sx, int &sy) {
  switch (orientation) {
  case 2:
    sx = w - 1 - x, sy = y;
    break;
  case 3:
    sx = w - 1 - x, sy = h - 1 - y;
    break;
  case 4:
    sx = x, sy = h - 1 - y;
    break;
  case 5:
    sx = y, sy = x;
    break;
  case 6:
    sx = y, sy = h - 1 - x;
    break;
  case 7:
    sx = w - 1 - y, sy = h - 1 - x;
    break;
  default:
    sx = w - 1 - y, sy = x;
    break; // 8
  }
}

} // namespace

int exifOrientation(std::span<const uint8_t> app1) {
  if (app1.size() < 14 || std::memcmp(app1.data(), "Exif\0\0", 6) != 0) {
    return 1;
  }
  const std::span<const uint8_t> tiff = app1.subspan(6);
  if (tiff[0] != tiff[1] || (tiff[0] != 'I' && tiff[0] != 'M')) {
    return 1;
  }
  const TiffReader in(tiff, tiff[0] == 'M');
  uint32_t ifd = 0;
  uint16_t entries = 0;
  if (!in.u32(4, ifd) || !in.u16(ifd, entries)) {
    return 1;
  }
  for (uint32_t i = 0; i < entries; ++i) {
    const size_t at = size_t(ifd) + 2 + 12 * size_t(i);
    uint16_t tag = 0, type = 0, value = 0;
    if (!in.u16(at, tag) || !in.u16(at + 2, type) || !in.u16(at + 8, value)) {
      return 1;
    }
    if (tag == kOrientationTag) {
      return type == kShortType && value >= 1 && value <= 8 ? value : 1;
    }
  }
  return 1;
}

bool applyOrientation(CImportImage &image, int orientation) {
  if (orientation < 2 || orientation > 8) {
    return true;
  }
  const int w = image.width(), h = image.height();
  const bool swapped = orientation >= 5;
  CImportImage turned;
  if (!turned.allocate(swapped ? h : w, swapped ? w : h)) {
    return false;
  }
  turned.setStatus(image.status());
  for (int y = 0; y < turned.height(); ++y) {
    uint8_t *row = turned.rowFromBottom(turned.height() - 1 - y);
    for (int x = 0; x < turned.width(); ++x) {
      int sx = 0, sy = 0;
      sourceOf(orientation, x, y, w, h, sx, sy);
      std::memcpy(row + 3 * x, image.rowFromBottom(h - 1 - sy) + 3 * sx, 3);
    }
  }
  image = std::move(turned);
  return true;
}

} // namespace pdx::animation
