// The payloads that put a melody or an animation into one of the phone's
// slots. They take plain inputs: the caller encodes the melody and supplies
// the picture's bytes.
#pragma once

#include "link/wire/wire_io.h"

#include <string_view>

namespace pdx::link::wire {

inline constexpr size_t kMaxMelodyData = 500;
inline constexpr size_t kPictureSize = 612;
inline constexpr size_t kAnimationPayloadSize = 19 + kPictureSize;

// Slot, name (16 bytes), 0, the tempo's low byte, the data length (at most
// 500; longer data is cut), the data and a closing 0: 22 + n bytes.
Bytes encodeMelodyPayload(uint8_t slot, std::string_view name, int tempo, std::span<const uint8_t> encoded);

// Slot, name (16 bytes), 0, effect code + 1, then the picture as the phone
// takes it: 51 rows of 12 bytes from the top row, each byte 8 columns with
// the leftmost in the most significant bit (the animation library converts
// a picture of its files into this order). A short picture is padded with
// white: 631 bytes.
Bytes encodeAnimationPayload(uint8_t slot, std::string_view name, int effect,
                             std::span<const uint8_t> picture);

} // namespace pdx::link::wire
