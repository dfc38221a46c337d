// The size of the payload that puts an animation into one of the phone's
// slots: slot, name (16 bytes), 0, effect code + 1, then the picture, 51 rows
// of 12 bytes. The animation library builds it, as the melody library builds
// the melody-set payload; the link and the simulated phone only check it.
#pragma once

#include <cstddef>

namespace pdx::link::wire {

inline constexpr size_t kAnimationPayloadSize = 19 + 612;

} // namespace pdx::link::wire
