// The logic of the phonebook page: the PC phonebook as a sorted list of
// rows, and every command on it. A change to an entry stored on the phone
// is written to the phone first, and the PC copy changes only when the
// phone accepted it.
#pragma once

#include "core/data/store.h"
#include "features/phonebook/phonebook_ports.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

enum class WriteMode { Add = 0, Modify = 1, Delete = 2, Move = 3 };

// The columns, which are also the sort keys.
enum PhonebookColumn {
  kStateColumn,
  kGroupColumn,
  kNameColumn,
  kHomeColumn,
  kOfficeColumn,
  kMobileColumn,
  kPagerColumn
};

// Sorts the list by a column as the page shows it; equal keys keep their order.
void sortPhonebook(core::PhonebookList &list, PhonebookColumn column);

// The find's rule for one entry: with a number, any of its numbers holding
// it; otherwise its name, by the name rule of text::nameMatches (initial
// consonants included). Empty entries never match.
bool entryMatches(const core::PhoneBookEntry &entry, std::string_view name, std::string_view number);

// What the entry dialog hands back (code page 949 texts).
struct EntryForm {
  std::string name;
  std::array<std::string, core::kNumberKinds> numbers;
  int group = 0;
  bool storeOnPhone = false;
};

// The entry dialog in group-only mode: a group to set, and the three-state
// phone box (nothing = leave unchanged).
struct GroupOnlyForm {
  std::optional<int> group;
  std::optional<bool> storeOnPhone;
};

class PhonebookEditor {
public:
  PhonebookEditor(core::CDataStore &store, PhonebookPhone &phone, PageUser &user, bool connected);

  bool connected() const { return connected_; }
  size_t rowCount() const { return store_.pcPhonebook.size(); }
  const core::PhoneBookEntry &entry(int row) const { return store_.pcPhonebook[static_cast<size_t>(row)]; }
  // The row as the list shows it: state icon, group, name, four numbers.
  std::string rowText(int row) const;

  void sortBy(PhonebookColumn column);
  PhonebookColumn sortColumn() const { return sortColumn_; }

  // The phone slot of the first mirror entry with the same name and
  // numbers; -1 offline or when there is none.
  int phoneSlotLookup(const core::PhoneBookEntry &entry) const;
  // The lowest free phone slot (0..198), or -1.
  int freePhoneSlot() const { return store_.phonePhonebook.firstEmptyEntry(); }
  static bool onPhone(const core::PhoneBookEntry &entry);

  bool writeEntryToPhone(core::PhoneBookEntry entry, int slot, WriteMode mode);

  // The commands; each returns the row of the changed entry, or nothing
  // when nothing changed.
  std::optional<int> addNew(const EntryForm &form);
  std::optional<int> modifyOne(int row, const EntryForm &form);
  // Returns the rows of the selection after the changes.
  std::vector<int> modifySeveral(std::vector<int> rows, const GroupOnlyForm &form);
  // Asks first; returns whether anything was deleted.
  bool deleteRows(std::vector<int> rows);
  // Moves (or with `copy` copies) a number from one cell to another;
  // returns whether the change was made.
  bool moveNumber(int sourceRow, int sourceKind, int targetRow, int targetKind, bool copy);

  // Find with a name and/or number; the row found or -1 (after telling).
  int find(const std::string &name, const std::string &number, int selectedRow);
  int findNext(int selectedRow, bool upward);
  const std::string &findName() const { return findName_; }
  const std::string &findNumber() const { return findNumber_; }

  // Inserts at the entry's sorted place, its phone slot looked up; marks the
  // data file dirty. Returns the row.
  int addToList(core::PhoneBookEntry entry);
  void removeRow(int row);
  int replaceRow(int row, core::PhoneBookEntry entry);

private:
  bool nameExists(std::string_view name) const;
  bool matches(int row) const;
  core::PhoneBookEntry fromForm(const EntryForm &form) const;
  void placeOnPhone(core::PhoneBookEntry &entry);
  bool changeOneOfSeveral(core::PhoneBookEntry &entry, const GroupOnlyForm &form);
  void markOffline(core::PhoneBookEntry &entry) const;
  bool writeMoved(core::PhoneBookEntry &entry);
  int mirrorSlotByName(std::string_view name) const;

  core::CDataStore &store_;
  PhonebookPhone &phone_;
  PageUser &user_;
  bool connected_;
  PhonebookColumn sortColumn_ = kNameColumn;
  std::string findName_;
  std::string findNumber_;
};

// Where row `moved` went when it was replaced to `to`: the other row
// positions shift to follow.
int followMove(int row, int from, int to);

} // namespace pdx::features
