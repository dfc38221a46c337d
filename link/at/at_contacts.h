// Between the phone's phonebook entries (one name, one number each) and
// Pelodex's (a name of 16 bytes of code page 949 and four numbers: home,
// office, mobile, pager). Reading joins the entries of one name; writing
// gives each number an entry of its own.
#pragma once

#include "core/data/records.h"
#include "link/at/at_phone.h"

#include <string>
#include <vector>

namespace pdx::at {

// Something the conversion could not keep as it was, for the user: the
// entry's name (UTF-8) and a Korean sentence.
struct ContactNote {
  std::string name;
  std::string text;
};

struct PelodexEntries {
  std::vector<core::PhoneBookEntry> entries;
  std::vector<std::vector<int>> indexes; // beside each entry: the phone's indexes joined into it
  std::vector<ContactNote> notes;
};

// Entries of the same name become one, in the order their names first
// appear; each number, made the form Korean users dial, goes to the field
// its first digits choose (mobile, pager), the others to home, then office;
// a number whose field is taken starts another entry of that name. Characters code page 949 lacks, names cut
// to 16 bytes and numbers that cannot be kept are noted.
PelodexEntries entriesFromPhone(const std::vector<AtContact> &contacts);

struct PhoneContacts {
  std::vector<AtContact> contacts; // index 0: the first free place
  std::vector<ContactNote> notes;
};

// One phone entry for each number of `entry`, its name cut at a character
// to `nameLength` characters (noted).
PhoneContacts contactsForPhone(const core::PhoneBookEntry &entry, int nameLength);

} // namespace pdx::at
