// The logic of the speed-dial page: the 99 keys beside the numbers of the
// phone's phonebook, and assigning, clearing and moving keys. Every change
// sends the whole table with the change in place; the store's table takes
// the change only when the phone accepted it.
#pragma once

#include "core/data/store.h"
#include "features/common/page_user.h"
#include "features/common/phonebook_phone.h"

#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

// One row of the phonebook list: a non-empty number of a phone slot.
struct NumberRow {
  int slot = 0;
  int kind = 0;
  std::string text; // "name\t<kind symbol>number" in code page 949
  int code() const { return slot * core::kNumberKinds + kind; }
};

enum class NumberSort { ByName, ByNumber };

// Where a dragged row may land.
enum class DropTarget { Key, AssignButton, DeleteButton };

class SpeedDialEditor {
public:
  SpeedDialEditor(core::CDataStore &store, PhonebookPhone &phone, PageUser &user);

  const core::SpeedDialTable &table() const { return store_.phoneSpeedDials; }
  bool assigned(int key) const;
  // "%d\t%s\t%s%s": key + 1, name, kind symbol and number; only the number
  // for a key that is not assigned.
  std::string keyRow(int key) const;

  void sortNumbers(NumberSort sort);
  NumberSort numberSort() const { return sort_; }
  const std::vector<NumberRow> &numberRows() const { return rows_; }
  // Rebuilds the phonebook list from the phone mirror.
  void refreshNumbers();

  // The assign dialog's starting speed-dial number (1..99): the selected
  // key + 1, or the first free key + 1 without a selection (1 when full).
  int startNumber(std::optional<int> selectedKey) const;

  // Whether phone slot `slot` holds a number of kind `kind`.
  bool hasNumber(int slot, int kind) const;

  // Each sends the changed table; true when the phone accepted it. The
  // failures are told to the user.
  bool assign(int key, int slot, int kind);
  // Asks first; nothing happens for a key that is not assigned.
  bool clear(int key);
  // Moves an assigned key onto a free one.
  bool move(int from, int to);

  // The drag rules: a key may be dropped on a free key or on 삭제 when it
  // is assigned; a number on a free key or on 지정. Nothing is valid while
  // the link is busy.
  bool keyDropAllowed(int sourceKey, DropTarget target, int targetKey, bool busy) const;
  bool numberDropAllowed(DropTarget target, int targetKey, bool busy) const;

private:
  bool send(const core::SpeedDialTable &next, const char *failure);

  core::CDataStore &store_;
  PhonebookPhone &phone_;
  PageUser &user_;
  NumberSort sort_ = NumberSort::ByName;
  std::vector<NumberRow> rows_;
};

// Why a typed speed-dial number names no key (UTF-8), or nothing: the keys
// are 1 to 99.
std::optional<std::string> speedDialNumberRefusal(int number);

// The phone's symbol for a number kind (two code page 949 bytes).
std::string kindSymbol(int kind);

} // namespace pdx::features
