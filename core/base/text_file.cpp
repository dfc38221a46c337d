#include "core/base/text_file.h"

#include "core/base/cp949.h"

#include <optional>

namespace pdx::text {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// UTF-16 without a mark: text of this kind has a zero byte (the high byte of
// a Latin character) in a third or more of its odd (little-endian) or even
// (big-endian) positions, and few in the others (low bytes such as that of
// U+AC00). True for big-endian.
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

} // namespace

FileText decodeTextFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return {std::string(bytes.substr(kUtf8Mark.size())), true};
  }
  if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    return {utf16BytesToUtf8(bytes.substr(2), bytes.starts_with(kUtf16BeMark)), true};
  }
  if (const std::optional<bool> bigEndian = unmarkedUtf16(bytes)) {
    return {utf16BytesToUtf8(bytes, *bigEndian), true};
  }
  return {std::string(bytes), looksLikeUtf8(bytes)};
}

std::string textFileAsUtf8(std::string_view bytes) {
  FileText decoded = decodeTextFile(bytes);
  return decoded.utf8 ? std::move(decoded.text) : toUtf8(decoded.text);
}

std::string textFileAsCp949(std::string_view bytes) {
  FileText decoded = decodeTextFile(bytes);
  return decoded.utf8 ? fromUtf8(decoded.text) : std::move(decoded.text);
}

} // namespace pdx::text
