#include "animation/download/phone_picture.h"

namespace pdx::animation {

namespace {
constexpr size_t kRows = 51;
constexpr size_t kBands = 12;
} // namespace

std::array<uint8_t, kPhonePictureBytes>
phonePictureBytes(std::span<const uint8_t, kPhonePictureBytes> bandBits) {
  std::array<uint8_t, kPhonePictureBytes> rows{};
  for (size_t y = 0; y < kRows; ++y) {
    for (size_t band = 0; band < kBands; ++band) {
      rows[y * kBands + band] = bandBits[band * kRows + y];
    }
  }
  return rows;
}

} // namespace pdx::animation
