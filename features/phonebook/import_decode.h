// Recognising the text encoding of a phonebook file chosen for import:
// UTF-16 with or without a byte-order mark, UTF-8 with or without one, or
// code page 949; binary files are refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pdx::features {

struct DecodedText {
  std::string text; // UTF-8 when `utf8`, otherwise code page 949
  bool utf8 = false;
};

// The file's text without its byte-order mark, UTF-16 converted to UTF-8.
// Nothing for a binary file: NUL bytes outside UTF-16, or more than one
// byte in twenty a control character or an invalid sequence.
std::optional<DecodedText> decodeImportText(std::string_view bytes);

} // namespace pdx::features
