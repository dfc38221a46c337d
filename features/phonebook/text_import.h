// Adding phonebook entries from plain text files: one entry per line, the
// name first, then an optional group name and the numbers, separated by
// blanks or tabs.
#pragma once

#include "core/data/store.h"

#include <functional>
#include <string_view>

namespace pdx::features {

struct ImportResult {
  enum Status { Ok, BadFormat };
  Status status = Ok;
  int added = 0;
  int skipped = 0;
};

// Creates a group of the given name (code page 949, already cut to the
// group name's width) in the store's group table and returns its id, or -1
// when it could not be created. A connected page writes it to the phone
// first and reports a refusal to the user.
using GroupCreator = std::function<int(std::string_view name)>;

// Imports the text of a file (code page 949, or UTF-8, which is detected and
// converted) into the PC phonebook, using and creating groups of the
// store's group table. New entries are not on the phone. A line of 1001
// bytes or more stops the import with BadFormat, keeping what came before.
// The store is marked modified in every case.
ImportResult importPhonebookText(std::string_view fileText, core::CDataStore &store,
                                 const GroupCreator &createGroup);

// Creates a group on the PC only, under the lowest free id.
GroupCreator offlineGroupCreator(core::CDataStore &store);

} // namespace pdx::features
