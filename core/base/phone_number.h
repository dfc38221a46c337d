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

// The field of a phonebook entry (home 0, office 1, mobile 2, pager 3) that
// a number belongs in by its first digits: 010, 011 and 016 to 019 are
// mobile numbers, 012 and 015 pager numbers; nothing for the rest, which
// fill the free fields in order.
inline constexpr int kMobileField = 2;
inline constexpr int kPagerField = 3;
std::optional<int> fieldByPrefix(std::string_view number);

} // namespace pdx::text
