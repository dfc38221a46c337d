// The PC phonebook as text for other programs: vCard 3.0 and CSV, UTF-8.
#pragma once

#include "core/data/store.h"

#include <string>

namespace pdx::core {

// One card per non-empty entry: FN and N, TEL with TYPE home, work, cell and
// pager, and the entry's group as CATEGORIES (none for the default group).
// Lines end in CRLF as vCard requires.
std::string phonebookToVcard(const PhonebookList &entries, const GroupTable &groups);

// A header line and one line per non-empty entry: name, group, and the four
// numbers; fields quoted where needed.
std::string phonebookToCsv(const PhonebookList &entries, const GroupTable &groups);

// A vCard text value with backslash, comma, semicolon and line ends escaped.
std::string vcardText(const std::string &value);
// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string csvField(const std::string &value);

// The UTF-8 name of group `id` in `groups`, or "" for the default group or
// an unknown id.
std::string groupNameUtf8(const GroupTable &groups, int id);

} // namespace pdx::core
