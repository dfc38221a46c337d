// The window messages the editors send a running Pelodex after every save;
// the receiver rescans its melody or animation folder. The parameters carry
// nothing the receiver uses.
#pragma once

#include <cstdint>

namespace pdx {

inline constexpr uint32_t kMsgMelodySaved = 0x472;    // from the melody editor
inline constexpr uint32_t kMsgAnimationSaved = 0x477; // from the animation editor

} // namespace pdx
