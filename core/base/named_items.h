// Looking up the named items of a document (melodies, animations) by name.
#pragma once

#include <algorithm>
#include <string_view>

namespace pdx {

// The index of the first of `items` (pointers to objects with a name() that
// has view()) whose name reads `name`; -1 when none does.
template <class Items> int indexOfName(const Items &items, std::string_view name) {
  const auto it =
      std::find_if(items.begin(), items.end(), [&](const auto &item) { return item->name().view() == name; });
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

} // namespace pdx
