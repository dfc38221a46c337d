// The GSM default 7-bit alphabet and its extension table (reached through
// the escape septet 0x1B), and the packing of septets into octets.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

inline constexpr uint8_t kGsmEscape = 0x1B;

// Septets of `text`: one per character of the default table, two (escape
// and code) per character of the extension table. A character of neither
// becomes '?' and is counted in `unmapped`.
struct GsmSeptets {
  std::vector<uint8_t> septets;
  size_t unmapped = 0;
};
GsmSeptets toGsm(std::u32string_view text);

// Septets a character takes: 1 or 2, or 0 when the alphabet lacks it.
int gsmWidth(char32_t c);

// Text of septets. An escape followed by a code the extension table lacks
// reads as that code of the default table; a final lone escape as a space.
std::u32string fromGsm(std::span<const uint8_t> septets);

// Septets packed little-endian into octets, after `fillBits` (0 to 6) zero
// bits that align them behind a user data header.
std::vector<uint8_t> packSeptets(std::span<const uint8_t> septets, int fillBits);
// `count` septets from packed octets, skipping `fillBits` leading bits;
// septets past the end of `octets` are left out.
std::vector<uint8_t> unpackSeptets(std::span<const uint8_t> octets, size_t count, int fillBits);

} // namespace pdx::at
