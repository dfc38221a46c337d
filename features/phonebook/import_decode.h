// The text of a phonebook file chosen for import, by the suite's one rule
// for text files (core/base/text_file.h); binary files are refused. Lines
// end in LF, CR LF, CR CR LF (as some phones export) or a lone CR.
#pragma once

#include "core/base/text_file.h"

#include <optional>
#include <string_view>

namespace pdx::features {

// The file's text without its byte-order mark, UTF-16 converted to UTF-8.
// Nothing for a binary file: NUL bytes outside UTF-16, or more than one
// byte in twenty a control character or an invalid sequence.
std::optional<text::FileText> decodeImportText(std::string_view bytes);

// Takes the first line off `rest` and returns it without its line end.
std::string_view takeLine(std::string_view &rest);

} // namespace pdx::features
