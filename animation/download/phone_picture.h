// The picture as the phone receives it in an animation download: 51 rows of
// 12 bytes from the top row, each byte 8 columns with the leftmost in the
// most significant bit.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace pdx::animation {

inline constexpr size_t kPhonePictureBytes = 612;

// Rearranges the 612 picture bytes of a .pca record (bands of 8 columns)
// into the phone's row order: row y, byte b comes from byte 51 b + y.
std::array<uint8_t, kPhonePictureBytes>
phonePictureBytes(std::span<const uint8_t, kPhonePictureBytes> bandBits);

} // namespace pdx::animation
