// The phone's 4-digit password packed into two bytes, one half-byte per
// digit: "1".."9" as 1..9 and "0" as 0xA (never 0).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pdx::link {

using PackedPassword = std::array<uint8_t, 2>;

// True for exactly four ASCII digits.
bool isValidPassword(std::string_view digits);
// Packs four digits; a character that is not "1".."9" packs as 0xA.
PackedPassword packPassword(std::string_view digits);
// Unpacks: a half of 0xA becomes "0", any other half h the digit h.
std::string unpackPassword(PackedPassword packed);

} // namespace pdx::link
