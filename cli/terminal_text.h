// Text from files shown on a terminal: control characters (C0, DEL and the
// C1 range) could move the cursor, recolour or retitle the terminal, or
// break a one-line message, so they are shown escaped.
#pragma once

#include <string>
#include <string_view>

namespace pdx::cli {

// `text` (UTF-8) with each control character written as \xNN (C0 and DEL)
// or \u00NN (C1); everything else as it is.
std::string visible(std::string_view text);

} // namespace pdx::cli
