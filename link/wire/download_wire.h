// The payloads that put a melody or an animation into one of the phone's
// slots. They take plain inputs: the caller encodes the melody and supplies
// the picture's bytes.
#pragma once

#include "link/wire/wire_io.h"

#include <string_view>

namespace pdx::link::wire {

inline constexpr size_t kMaxMelodyData = 500;
inline constexpr size_t kPictureSize = 612;
inline constexpr size_t kPictureRows = 51;
inline constexpr size_t kPictureBands = 12;
inline constexpr size_t kAnimationPayloadSize = 19 + kPictureSize;

// Slot, name (16 bytes), 0, the tempo's low byte, the data length (at most
// 500; longer data is cut), the data and a closing 0: 22 + n bytes.
Bytes encodeMelodyPayload(uint8_t slot, std::string_view name, int tempo, std::span<const uint8_t> encoded);

// Slot, name (16 bytes), 0, effect code + 1, then the picture row by row:
// `picture` is in the file's layout of 12 bands of 51 rows (byte 51b + y
// holds columns 8b..8b+7 of row y); a short picture is padded with white.
Bytes encodeAnimationPayload(uint8_t slot, std::string_view name, int effect,
                             std::span<const uint8_t> picture);

} // namespace pdx::link::wire
