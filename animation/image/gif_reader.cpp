#include "animation/image/gif_reader.h"

#include "animation/image/lzw_decoder.h"

#include <array>
#include <cstring>
#include <new>

namespace pdx::animation {

namespace {

using Palette = std::array<std::array<uint8_t, 3>, 256>;

class Cursor {
public:
  explicit Cursor(std::span<const uint8_t> data) : data_(data) {}
  bool byte(uint8_t &out) {
    if (pos_ >= data_.size()) {
      return false;
    }
    out = data_[pos_++];
    return true;
  }
  const uint8_t *take(size_t count) {
    if (count > data_.size() - pos_) {
      pos_ = data_.size();
      return nullptr;
    }
    const uint8_t *p = data_.data() + pos_;
    pos_ += count;
    return p;
  }
  std::span<const uint8_t> rest() const { return data_.subspan(pos_); }

private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

uint16_t le16(const uint8_t *p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool readPalette(Cursor &in, int sizeField, Palette &palette) {
  const size_t entries = size_t(1) << (sizeField + 1);
  const uint8_t *p = in.take(entries * 3);
  if (p == nullptr) {
    return false;
  }
  palette = {};
  for (size_t i = 0; i < entries; ++i) {
    palette[i] = {p[3 * i], p[3 * i + 1], p[3 * i + 2]};
  }
  return true;
}

bool skipSubBlocks(Cursor &in) {
  uint8_t size = 0;
  do {
    if (!in.byte(size) || (size > 0 && in.take(size) == nullptr)) {
      return false;
    }
  } while (size != 0);
  return true;
}

// The most pixels `bytes` of LZW data can stand for: a code of b bits
// (at most 12) names a string of fewer than 2^b pixels, so no byte yields
// more than 4096 / 12 x 8 of them. A larger declared size cannot be this
// file's picture and is refused before its memory is taken.
uint64_t maxLzwPixels(size_t bytes) {
  return static_cast<uint64_t>(bytes) * 2731 + 4096;
}

// The image row that the n-th decoded row belongs to.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) {
      order.push_back(y);
    }
    return order;
  }
  static constexpr int kStart[] = {0, 4, 2, 1};
  static constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) {
      order.push_back(y);
    }
  }
  return order;
}

bool fail(CImportImage &image, std::string status) {
  image.setStatus(std::move(status));
  return false;
}

bool readImageBlock(Cursor &in, const Palette &global, CImportImage &image, const ImageLimits &limits) {
  const uint8_t *d = in.take(9);
  if (d == nullptr) {
    return fail(image, "Error on dimension read\nGiving up");
  }
  const int width = le16(d + 4), height = le16(d + 6);
  const uint8_t flags = d[8];
  if (!limits.allows(width, height)) {
    return fail(image, "Error on dimension read\nGiving up");
  }
  Palette local = global;
  if ((flags & 0x80) != 0 && !readPalette(in, flags & 0x07, local)) {
    return fail(image, "Error reading GIF file\nLocalColorMap\nGiving up");
  }
  if (in.rest().empty()) {
    return fail(image, "Unexpected EOF in GIF.\nGiving up");
  }
  if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > maxLzwPixels(in.rest().size())) {
    return fail(image, "Error on dimension read\nGiving up");
  }
  std::vector<uint8_t> indices;
  try {
    if (!decodeLzw(in.rest(), static_cast<size_t>(width) * static_cast<size_t>(height), indices)) {
      return fail(image, "Error reading GIF file");
    }
  } catch (const std::bad_alloc &) {
    return fail(image, "Out of Memory in GIFRead");
  }
  if (!image.allocate(width, height)) {
    return fail(image, "Out of Memory in GIFRead");
  }
  const auto order = rowOrder(height, (flags & 0x40) != 0);
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * 3);
  for (int n = 0; n < height; ++n) {
    const uint8_t *row = indices.data() + static_cast<size_t>(n) * static_cast<size_t>(width);
    for (int x = 0; x < width; ++x) {
      std::memcpy(rgb.data() + 3 * x, local[row[x]].data(), 3);
    }
    image.setRowFromTop(order[static_cast<size_t>(n)], rgb.data(), 3);
  }
  return true;
}

} // namespace

bool readGif(std::span<const uint8_t> data, const std::string &name, CImportImage &image,
             const ImageLimits &limits) {
  image.setStatus("No Error");
  Cursor in(data);
  const uint8_t *magic = in.take(6);
  if (magic == nullptr) {
    return fail(image, "Error reading GIF Magic #\n" + name);
  }
  if (std::memcmp(magic, "GIF", 3) != 0) {
    return fail(image, "Error, " + name + " is not a valid .GIF file");
  }
  if (std::memcmp(magic + 3, "87a", 3) != 0 && std::memcmp(magic + 3, "89a", 3) != 0) {
    return fail(image, "Error, Bad GIF Version number");
  }
  const uint8_t *screen = in.take(7);
  if (screen == nullptr) {
    return fail(image, "Error, failed to GIF read screen descriptor.\nGiving up");
  }
  if (screen[6] != 0 && screen[6] != 49) {
    image.setStatus("Non-square pixels in GIF image.\nIgnoring that fact...");
  }
  Palette global{};
  if ((screen[4] & 0x80) != 0 && !readPalette(in, screen[4] & 0x07, global)) {
    return fail(image, "Error reading GIF file\nGIFScreen Colormap\nGiving up");
  }
  for (;;) {
    uint8_t block = 0;
    if (!in.byte(block)) {
      return fail(image, "Unexpected EOF in GIF.\nGiving up");
    }
    if (block == ',') {
      return readImageBlock(in, global, image, limits);
    }
    uint8_t label = 0;
    if (block == '!' && (!in.byte(label) || !skipSubBlocks(in))) {
      return fail(image, "Error on extension read.\nGiving up");
    }
  }
}

} // namespace pdx::animation
