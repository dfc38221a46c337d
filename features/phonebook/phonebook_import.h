// Adding phonebook entries from files: plain text (one entry a line),
// vCard (.vcf, versions 2.1, 3.0 and 4.0) and the CSV that the phonebook
// export writes. The encoding is recognised (code page 949, UTF-8, UTF-16);
// binary files are refused. Every entry left out or changed on the way is
// reported with the reason.
#pragma once

#include "core/data/store.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace pdx::features {

// An entry that was skipped, or added with a change the user should know.
struct ImportNote {
  int line = 0;       // where the entry starts in the file, from 1
  std::string name;   // UTF-8
  std::string reason; // UTF-8
};

// Notes kept one by one; the rest are only counted, so that the notes of a
// huge file cannot fill the memory.
inline constexpr size_t kMaxImportNotes = 1000;

struct ImportResult {
  enum Status { Ok, BadFormat, NotText };
  Status status = Ok;
  int added = 0;
  int skipped = 0;
  std::vector<ImportNote> notes; // valid UTF-8, at most kMaxImportNotes
  int unlistedNotes = 0;         // notes past kMaxImportNotes
};

// Creates a group of the given name (code page 949, already cut to the
// group name's width) in the store's group table and returns its id, or -1
// when it could not be created. A connected page writes it to the phone
// first and reports a refusal to the user.
using GroupCreator = std::function<int(std::string_view name)>;

// Imports a file's bytes into the PC phonebook, using and creating groups
// of the store's group table. New entries are not on the phone. NotText
// adds nothing; BadFormat (a text line of 1001 bytes or more) keeps what
// came before. Otherwise the store is marked modified.
ImportResult importPhonebookFile(std::string_view fileBytes, core::CDataStore &store,
                                 const GroupCreator &createGroup);

// Creates a group on the PC only, under the lowest free id.
GroupCreator offlineGroupCreator(core::CDataStore &store);

// Notes a reader keeps for one contact; the rest are only counted.
inline constexpr size_t kMaxContactNotes = 10;

// One contact as a reader found it, before it becomes an entry.
struct ImportedContact {
  int line = 0;
  std::string name;                                    // UTF-8 or code page 949, as the importer was told
  std::string group;                                   // likewise; empty for none
  std::array<std::string, core::kNumberKinds> numbers; // home, office, mobile, pager
  std::vector<std::string> notes;                      // what the reader changed or left out (UTF-8)
  int unlistedNotes = 0;                               // notes past kMaxContactNotes

  void addNote(std::string note);
};

// Turns contacts into entries: names cut to their fields on a character
// boundary, characters code page 949 lacks reported, numbers longer than
// their field left out and reported, an entry without a number, with a
// name already in the phonebook, or past the phonebook's kMaxPcEntries
// skipped.
class PhonebookImporter {
public:
  PhonebookImporter(core::CDataStore &store, const GroupCreator &createGroup, bool utf8);

  void add(const ImportedContact &contact);
  ImportResult &result() { return result_; }

private:
  std::string recordText(std::string_view text, std::vector<std::string> &notes) const;
  int groupFor(std::string_view name, std::vector<std::string> &notes);
  void note(const ImportedContact &contact, const std::vector<std::string> &reasons);

  core::CDataStore &store_;
  const GroupCreator &createGroup_;
  bool utf8_;
  std::unordered_set<std::string> names_; // every name in the phonebook, for a hash lookup
  ImportResult result_;
};

} // namespace pdx::features
