// The animation download: the payload that puts an animation into one of
// the phone's slots, and its picture as the phone takes it, 51 rows of 12
// bytes from the top row, each byte 8 columns with the leftmost in the most
// significant bit. (The melody library builds the melody download the same
// way; the link only carries the bytes.)
#pragma once

#include "animation/file/animation.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace pdx::animation {

inline constexpr size_t kPhonePictureBytes = 612;

// Rearranges the 612 picture bytes of a .pca record (bands of 8 columns)
// into the phone's row order: row y, byte b comes from byte 51 b + y.
std::array<uint8_t, kPhonePictureBytes>
phonePictureBytes(std::span<const uint8_t, kPhonePictureBytes> bandBits);

inline constexpr size_t kAnimationPayloadBytes = 19 + kPhonePictureBytes;

// Phone slot `slot` (0 to 2), the name (16 bytes, zero-padded), 0, the
// effect code + 1, then the picture in the phone's row order: 631 bytes.
std::vector<uint8_t> animationSetPayload(int slot, const CAnimation &animation);

} // namespace pdx::animation
