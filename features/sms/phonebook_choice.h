// The rows of the phonebook picker of the send dialogs: one row per
// non-empty number of each phone phonebook entry, the name and group on an
// entry's first row only.
#pragma once

#include "core/data/lists.h"

#include <string>
#include <vector>

namespace pdx::features {

struct PickerRow {
  std::string text;   // "name<TAB>group<TAB><kind symbol>number", code page 949
  std::string number; // what the picker hands back
  size_t entry = 0;   // rows of one phonebook entry share it
};

std::vector<PickerRow> pickerRows(const core::PhonebookList &phone, const core::GroupTable &groups);

// Sorts the entries by column 0 (name) or 1 (group) of their first rows;
// an entry's further rows stay under it, and equal keys keep their order.
void sortPickerRows(std::vector<PickerRow> &rows, int column);

} // namespace pdx::features
