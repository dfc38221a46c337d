// The stored main-window position and the program folder: pure rules of the
// application base.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pdx::winlib {

// The value stored when no position is known (the system default place).
inline constexpr int kDefaultPosition = static_cast<int>(0x80000000u);

// A stored coordinate clamped to the screen: below 0 becomes 0, above
// `screenExtent` - 100 becomes `screenExtent` - 100. std::nullopt for the
// default value, which leaves the placing to the window system.
std::optional<int> clampStoredCoordinate(int stored, int screenExtent);

// The path up to and including its last slash, backslash or colon; empty
// when it has none.
std::string programDirectoryOf(std::string_view programPath);

} // namespace pdx::winlib
