// The payload that puts an animation into one of the phone's slots, built
// from plain inputs so that the link needs no animation library. (The
// melody library builds the melody-set payload with the phone encoding.)
#pragma once

#include "link/wire/wire_io.h"

#include <string_view>

namespace pdx::link::wire {

inline constexpr size_t kPictureSize = 612;
inline constexpr size_t kAnimationPayloadSize = 19 + kPictureSize;

// Slot, name (16 bytes), 0, effect code + 1, then the picture as the phone
// takes it: 51 rows of 12 bytes from the top row, each byte 8 columns with
// the leftmost in the most significant bit (the animation library converts
// a picture of its files into this order). A short picture is padded with
// white: 631 bytes.
Bytes encodeAnimationPayload(uint8_t slot, std::string_view name, int effect,
                             std::span<const uint8_t> picture);

} // namespace pdx::link::wire
