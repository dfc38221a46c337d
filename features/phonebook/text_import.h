// The plain text phonebook format: one entry a line, the name first, then
// an optional group name and the numbers, separated by blanks or tabs.
// Numbers are placed by their first digits: 010, 011 and 016 to 019 are
// mobile numbers, 012 and 015 pager numbers, the rest fill home, office,
// mobile and pager in that order.
#pragma once

#include "features/phonebook/phonebook_import.h"

namespace pdx::features {

// Hands each line's contact to `importer`; false when a line of 1001 bytes
// or more stopped the reading (what came before is kept).
bool readPhonebookText(std::string_view text, PhonebookImporter &importer);

} // namespace pdx::features
