#include "cli/terminal_text.h"

#include <cstdio>

namespace pdx::cli {

std::string visible(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char escaped[8];
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      out += escaped;
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      std::snprintf(escaped, sizeof escaped, "\\u%04x", next);
      out += escaped;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

} // namespace pdx::cli
