// Text as the modem carries it: hexadecimal octets, UCS2 code units, and
// the conversion of UTF-8 to and from code page 949 for the phone's data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

// Code points of UTF-8 text; an invalid sequence becomes U+FFFD.
std::u32string codePoints(std::string_view utf8);
std::string toUtf8(std::u32string_view codePoints);

// Octets as upper-case hexadecimal digits, two per octet.
std::string toHex(const std::vector<uint8_t> &octets);
// Nothing unless `hex` is an even number of hexadecimal digits.
std::optional<std::vector<uint8_t>> fromHex(std::string_view hex);

// UTF-16 big-endian octets (UCS2 as phones send it, surrogate pairs joined)
// to UTF-8; a lone surrogate or an odd last octet becomes U+FFFD.
std::string ucs2ToUtf8(const std::vector<uint8_t> &octets);
// UTF-8 to UTF-16 big-endian octets; characters past U+FFFF as pairs.
std::vector<uint8_t> utf8ToUcs2(std::string_view utf8);

// UTF-8 text made code page 949 for the phone's records, with the
// characters the code page cannot hold (each once, in order) so that the
// caller can report them with the entry; each of those became '?'.
struct Cp949Text {
  std::string bytes;
  std::string missing; // UTF-8
};
Cp949Text toCp949(std::string_view utf8);
std::string fromCp949(std::string_view cp949);

} // namespace pdx::at
