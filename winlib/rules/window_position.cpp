#include "winlib/rules/window_position.h"

#include <algorithm>

namespace pdx::winlib {

std::optional<int> clampStoredCoordinate(int stored, int screenExtent) {
  if (stored == kDefaultPosition) {
    return std::nullopt;
  }
  if (stored < 0) {
    return 0;
  }
  if (stored > screenExtent - 100) {
    return std::max(0, screenExtent - 100);
  }
  return stored;
}

std::string programDirectoryOf(std::string_view programPath) {
  const size_t last = programPath.find_last_of("/\\:");
  if (last == std::string_view::npos) {
    return {};
  }
  return std::string(programPath.substr(0, last + 1));
}

} // namespace pdx::winlib
