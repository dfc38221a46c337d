#include "animation/download/phone_picture.h"

#include <algorithm>

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

std::vector<uint8_t> animationSetPayload(int slot, const CAnimation &animation) {
  std::vector<uint8_t> out(kAnimationPayloadBytes, 0);
  out[0] = static_cast<uint8_t>(slot);
  const std::string_view name = animation.name().view();
  std::copy(name.begin(), name.end(), out.begin() + 1);
  out[18] = static_cast<uint8_t>(animation.effect() + 1);
  const auto rows = phonePictureBytes(animation.bits());
  std::copy(rows.begin(), rows.end(), out.begin() + 19);
  return out;
}

} // namespace pdx::animation
