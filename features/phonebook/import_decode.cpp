#include "features/phonebook/import_decode.h"

#include "core/base/cp949.h"

#include <algorithm>

namespace pdx::features {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// UTF-16 without a mark: text of this kind has a zero byte (the high byte of
// a Latin character) in a third or more of its odd (little-endian) or even
// (big-endian) positions, and few in the others (low bytes such as that of
// U+AC00).
std::optional<bool> unmarkedUtf16(std::string_view bytes) {
  size_t zeros[2] = {0, 0};
  for (size_t i = 0; i < bytes.size(); ++i) {
    zeros[i % 2] += bytes[i] == '\0' ? 1 : 0;
  }
  const size_t pairs = bytes.size() / 2;
  if (pairs == 0) {
    return std::nullopt;
  }
  if (zeros[1] * 3 >= pairs && zeros[0] * 4 < zeros[1]) {
    return false;
  }
  if (zeros[0] * 3 >= pairs && zeros[1] * 4 < zeros[0]) {
    return true;
  }
  return std::nullopt;
}

bool isControl(unsigned char c) {
  return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7F;
}

// Text a person could have written: no NUL byte, and at most one byte in
// twenty a control character or (for code page 949) part of an invalid
// sequence.
bool looksLikeText(const DecodedText &decoded) {
  const std::string &t = decoded.text;
  if (t.find('\0') != std::string::npos) {
    return false;
  }
  size_t bad = static_cast<size_t>(std::count_if(t.begin(), t.end(), [](char c) { return isControl(c); }));
  const std::string wide = decoded.utf8 ? std::string() : text::toUtf8(t);
  const std::string_view checked = decoded.utf8 ? std::string_view(t) : std::string_view(wide);
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD
  for (size_t at = checked.find(kReplacement); at != std::string_view::npos;
       at = checked.find(kReplacement, at + kReplacement.size())) {
    bad += 2;
  }
  return bad * 20 <= t.size();
}

DecodedText decodeUnchecked(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return {std::string(bytes.substr(kUtf8Mark.size())), true};
  }
  if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    return {text::utf16BytesToUtf8(bytes.substr(2), bytes.starts_with(kUtf16BeMark)), true};
  }
  if (const std::optional<bool> bigEndian = unmarkedUtf16(bytes)) {
    return {text::utf16BytesToUtf8(bytes, *bigEndian), true};
  }
  return {std::string(bytes), text::looksLikeUtf8(bytes)};
}

} // namespace

std::optional<DecodedText> decodeImportText(std::string_view bytes) {
  DecodedText decoded = decodeUnchecked(bytes);
  if (!looksLikeText(decoded)) {
    return std::nullopt;
  }
  return decoded;
}

} // namespace pdx::features
