#include "features/phonebook/import_decode.h"

#include "core/base/cp949.h"

#include <algorithm>

namespace pdx::features {

namespace {

bool isControl(unsigned char c) {
  return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7F;
}

// Text a person could have written: no NUL byte, and at most one byte in
// twenty a control character or (for code page 949) part of an invalid
// sequence.
bool looksLikeText(const text::FileText &decoded) {
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

} // namespace

std::optional<text::FileText> decodeImportText(std::string_view bytes) {
  text::FileText decoded = text::decodeTextFile(bytes);
  if (!looksLikeText(decoded)) {
    return std::nullopt;
  }
  return decoded;
}

std::string_view takeLine(std::string_view &rest) {
  const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
  const std::string_view line = rest.substr(0, end);
  size_t ending = 0;
  for (const std::string_view mark : {"\r\r\n", "\r\n", "\n", "\r"}) {
    if (rest.substr(end).starts_with(mark)) {
      ending = mark.size();
      break;
    }
  }
  rest.remove_prefix(end + ending);
  return line;
}

} // namespace pdx::features
