// The transition effects the phone knows, in the order the editor lists
// them. Code 26 is played but never listed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace pdx::animation {

struct EffectRow {
  uint16_t code;
  const char *name; // UTF-8
};

inline constexpr int kListedEffects = 26;
// The highest code the player computes frames for.
inline constexpr uint16_t kLastPlayableEffect = 26;

const std::array<EffectRow, kListedEffects> &effectTable();

// The list row of a code, or nothing for a code no row holds.
std::optional<int> effectRowOf(uint16_t code);
// The code of a list row, or nothing for a row outside the list.
std::optional<uint16_t> effectCodeAt(int row);

} // namespace pdx::animation
