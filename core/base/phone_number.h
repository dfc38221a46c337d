// Telephone numbers as a Korean user dials them, shared by the vCard import
// and the modem link.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pdx::text {

// A number as a Korean user dials it: "+82" becomes the trunk prefix 0
// ("+82 10 1234 5678" is "010-1234-5678"), blanks, dots, slashes and
// brackets separate groups of digits with one '-'. Nothing when a
// character remains that a phone number cannot hold.
std::optional<std::string> dialledNumber(std::string_view written);

} // namespace pdx::text
