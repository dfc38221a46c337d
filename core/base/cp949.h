// Code page 949 text: the byte rules of fixed-width fields as the phone and
// the files hold them, and conversion to and from UTF-8 for the screen and
// for exports.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pdx::text {

// True for a byte that starts a double-byte character.
constexpr bool isLeadByte(unsigned char byte) {
  return byte >= 0x80;
}

// Length of `text` cut at `limit` bytes, byte-wise (may split a character).
size_t cutBytes(std::string_view text, size_t limit);

// Length of `text` cut at `limit` bytes without splitting a double-byte
// character: a lead byte whose trail byte would fall past the limit is left
// out together with it.
size_t cutWhole(std::string_view text, size_t limit);

// Length of `text` without a dangling lead byte at its end (a lead byte
// whose trail byte is missing).
size_t withoutDanglingLead(std::string_view text);

// Byte-wise comparison as unsigned bytes: negative, zero or positive.
int compareBytes(std::string_view a, std::string_view b);

// Position of `needle` in `haystack` at a character boundary, or npos. An
// empty needle is found at 0.
size_t findText(std::string_view haystack, std::string_view needle);

// Code page 949 to UTF-8. The user-defined rows (lead bytes 0xC9 and 0xFE)
// map to the Private Use Area from U+E000; invalid or unmapped sequences
// become U+FFFD and the rest of the text is kept.
std::string toUtf8(std::string_view cp949);

// UTF-8 to code page 949; characters the code page lacks become '?', and
// invalid UTF-8 is replaced the same way.
std::string fromUtf8(std::string_view utf8);

// UTF-8 to code page 949 when every character has a place in the code
// page; nothing otherwise (also for invalid UTF-8).
std::optional<std::string> fromUtf8Exact(std::string_view utf8);

// UTF-16 bytes (little- or big-endian, without a byte-order mark) to
// UTF-8; a lone surrogate or an odd last byte becomes U+FFFD.
std::string utf16BytesToUtf8(std::string_view bytes, bool bigEndian);

// Whether every byte sequence of `bytes` is a character of code page 949
// (the user-defined rows included).
bool isCp949(std::string_view bytes);

// Whether `bytes` (without a byte-order mark) are meant as UTF-8 rather than
// code page 949: valid UTF-8 with a byte above 0x7F that is not code page
// 949; or, when the bytes are valid as both, a UTF-8 reading that holds a
// three-byte Hangul syllable or CJK ideograph and no character outside the
// scripts and symbols Korean text uses. (Code page 949 text read as UTF-8
// gives Latin, Greek, Cyrillic or IPA letters: "청첩" would be "ûø".)
bool looksLikeUtf8(std::string_view bytes);

// `bytes` as valid UTF-8: each byte of an invalid sequence becomes the text
// "\xNN" (upper-case hex), the rest is kept.
std::string escapeInvalidUtf8(std::string_view bytes);

} // namespace pdx::text
