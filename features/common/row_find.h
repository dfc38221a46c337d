// Finding a row of a phonebook list by name: rows whose text starts with
// "name<TAB>..." (code page 949), further numbers of an entry on rows with
// an empty name.
#pragma once

#include "core/base/hangul_search.h"

#include <string_view>

namespace pdx::features {

// The first row, in list order, that starts an entry whose name matches
// `query` by the phonebook find's rule (initial consonants included); -1
// when none does. `Rows` holds elements with a `text` member.
template <class Rows> int firstRowByName(const Rows &rows, std::string_view query) {
  int index = 0;
  for (const auto &row : rows) {
    const std::string_view text = row.text;
    const std::string_view name = text.substr(0, text.find('\t'));
    if (!name.empty() && text::nameMatches(name, query)) {
      return index;
    }
    ++index;
  }
  return -1;
}

} // namespace pdx::features
