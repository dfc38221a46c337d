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
};

std::vector<PickerRow> pickerRows(const core::PhonebookList &phone, const core::GroupTable &groups);

// Sorts rows by column 0 (name) or 1 (group), rows of equal keys keeping
// their order.
void sortPickerRows(std::vector<PickerRow> &rows, int column);

} // namespace pdx::features
