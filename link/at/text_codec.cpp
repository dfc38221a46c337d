#include "link/at/text_codec.h"

#include "core/base/cp949.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace pdx::at {

std::u32string codePoints(std::string_view utf8) {
  std::u32string out;
  const auto length = static_cast<int32_t>(utf8.size());
  int32_t at = 0;
  while (at < length) {
    UChar32 c = 0;
    U8_NEXT(utf8.data(), at, length, c);
    out.push_back(c < 0 ? U'\uFFFD' : static_cast<char32_t>(c));
  }
  return out;
}

std::string toUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    const bool valid = c <= 0x10FFFF && !U_IS_SURROGATE(c);
    char bytes[U8_MAX_LENGTH];
    int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, valid ? c : 0xFFFD);
    out.append(bytes, static_cast<size_t>(length));
  }
  return out;
}

std::string toHex(const std::vector<uint8_t> &octets) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(octets.size() * 2);
  for (uint8_t octet : octets) {
    out.push_back(kDigits[octet >> 4]);
    out.push_back(kDigits[octet & 0x0F]);
  }
  return out;
}

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

} // namespace

std::optional<std::vector<uint8_t>> fromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) {
    return std::nullopt;
  }
  std::vector<uint8_t> out;
  out.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = hexValue(hex[i]);
    const int low = hexValue(hex[i + 1]);
    if (high < 0 || low < 0) {
      return std::nullopt;
    }
    out.push_back(static_cast<uint8_t>(high << 4 | low));
  }
  return out;
}

std::string ucs2ToUtf8(const std::vector<uint8_t> &octets) {
  std::u32string text;
  const size_t units = octets.size() / 2;
  for (size_t i = 0; i < units; ++i) {
    const auto unit = static_cast<char16_t>(octets[2 * i] << 8 | octets[2 * i + 1]);
    if (U16_IS_LEAD(unit) && i + 1 < units) {
      const auto trail = static_cast<char16_t>(octets[2 * i + 2] << 8 | octets[2 * i + 3]);
      if (U16_IS_TRAIL(trail)) {
        text.push_back(static_cast<char32_t>(U16_GET_SUPPLEMENTARY(unit, trail)));
        ++i;
        continue;
      }
    }
    text.push_back(U16_IS_SURROGATE(unit) ? U'\uFFFD' : unit);
  }
  if (octets.size() % 2 != 0) {
    text.push_back(U'\uFFFD');
  }
  return toUtf8(text);
}

std::vector<uint8_t> utf8ToUcs2(std::string_view utf8) {
  std::vector<uint8_t> out;
  auto unit = [&out](uint32_t u) {
    out.push_back(static_cast<uint8_t>(u >> 8));
    out.push_back(static_cast<uint8_t>(u & 0xFF));
  };
  for (char32_t c : codePoints(utf8)) {
    if (c > 0xFFFF) {
      unit(U16_LEAD(c));
      unit(U16_TRAIL(c));
    } else {
      unit(c);
    }
  }
  return out;
}

Cp949Text toCp949(std::string_view utf8) {
  Cp949Text out;
  std::u32string missing;
  for (char32_t c : codePoints(utf8)) {
    const std::string one = toUtf8(std::u32string_view(&c, 1));
    const std::optional<std::string> bytes = text::fromUtf8Exact(one);
    if (bytes) {
      out.bytes += *bytes;
    } else {
      out.bytes += '?';
      if (missing.find(c) == std::u32string::npos) {
        missing.push_back(c);
      }
    }
  }
  out.missing = toUtf8(missing);
  return out;
}

std::string fromCp949(std::string_view cp949) {
  return text::toUtf8(cp949);
}

} // namespace pdx::at
