#include "animation/image/bmp_reader.h"

#include "core/base/bytes.h"

#include <algorithm>
#include <array>

namespace pdx::animation {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
// The first version of the format (OS/2 1.x) has a 12-byte header of 16-bit
// sizes and 3-byte colours, a layout this reader does not take.
constexpr uint32_t kCoreHeaderBytes = 12;

struct BmpHeader {
  uint32_t pixelOffset = 0;
  uint32_t infoSize = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;
};

BmpHeader readHeader(ByteReader &in) {
  BmpHeader h;
  in.skip(2 + 4 + 2 + 2);
  h.pixelOffset = in.u32();
  h.infoSize = in.u32();
  h.width = static_cast<int32_t>(in.u32());
  h.height = static_cast<int32_t>(in.u32());
  in.skip(2);
  h.bitCount = in.u16();
  h.compression = in.u32();
  in.skip(4 + 4 + 4);
  h.coloursUsed = in.u32();
  in.skip(4);
  return h;
}

void unpackRow(const uint8_t *bits, int width, int bitCount,
               const std::array<std::array<uint8_t, 3>, 256> &table, uint8_t *out) {
  const int perByte = 8 / bitCount;
  const int mask = (1 << bitCount) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bitCount * (x % perByte + 1);
    const int index = (bits[x / perByte] >> shift) & mask;
    const auto &colour = table[static_cast<size_t>(index)];
    out[3 * x] = colour[0];
    out[3 * x + 1] = colour[1];
    out[3 * x + 2] = colour[2];
  }
}

bool fail(CImportImage &image, const char *status) {
  image.setStatus(status);
  return false;
}

} // namespace

bool readBmp(std::span<const uint8_t> data, CImportImage &image, const ImageLimits &limits) {
  image.setStatus("OK");
  if (data.size() < 2 || data[0] != 'B' || data[1] != 'M') {
    return fail(image, "Not a valid BMP File");
  }
  ByteReader in(data);
  const BmpHeader h = readHeader(in);
  // The header's size field comes before anything a short file may lack.
  if (h.infoSize == kCoreHeaderBytes) {
    return fail(image, "OS/2 1.x BMP header (12 bytes) is not supported");
  }
  if (in.failed()) {
    return fail(image, "Read Error!");
  }
  if (h.compression != 0) {
    return fail(image, "This is a compressed file.");
  }
  if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24) {
    return fail(image, "Unsupported bit count");
  }
  if (!limits.allows(h.width, h.height)) {
    return fail(image, "Unsupported image size");
  }
  if (h.pixelOffset > data.size()) {
    return fail(image, "Read Error");
  }
  // Indices past the colour table (or past a short one) are black.
  std::array<std::array<uint8_t, 3>, 256> table{};
  const uint64_t colours = h.bitCount > 8 ? 0 : h.coloursUsed == 0 ? (1u << h.bitCount) : h.coloursUsed;
  // The table follows the 40-byte information header, or a longer one of the
  // later versions of the format when its size field says so and the table
  // still fits before the pixels.
  uint64_t tableAt = kFileHeaderBytes + kInfoHeaderBytes;
  if (h.infoSize > kInfoHeaderBytes && kFileHeaderBytes + h.infoSize + colours * 4 <= h.pixelOffset) {
    tableAt = kFileHeaderBytes + h.infoSize;
  }
  if (tableAt + colours * 4 > h.pixelOffset) {
    return fail(image, "Corrupt palette");
  }
  for (uint64_t i = 0; i < colours && i < table.size(); ++i) {
    const uint8_t *entry = data.data() + tableAt + i * 4;
    table[i] = {entry[0], entry[1], entry[2]};
  }
  const uint64_t rowBytes = (static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
  if (rowBytes * static_cast<uint64_t>(h.height) > data.size() - h.pixelOffset) {
    return fail(image, "Read Error");
  }
  if (!image.allocate(h.width, h.height)) {
    return fail(image, "Memory alloc Failed");
  }
  for (int row = 0; row < h.height; ++row) {
    const uint8_t *bits = data.data() + h.pixelOffset + rowBytes * static_cast<uint64_t>(row);
    uint8_t *out = image.rowFromBottom(row);
    if (h.bitCount == 24) {
      std::copy(bits, bits + static_cast<size_t>(h.width) * 3, out);
    } else {
      unpackRow(bits, h.width, h.bitCount, table, out);
    }
  }
  return true;
}

} // namespace pdx::animation
