#include "features/phonebook/phonebook_editor.h"

#include "core/base/hangul_search.h"
#include "core/base/user_text.h"

#include <algorithm>

namespace pdx::features {

namespace {

using core::PhoneBookEntry;

int compareColumn(const PhoneBookEntry &a, const PhoneBookEntry &b, PhonebookColumn column) {
  switch (column) {
  case kStateColumn:
    return a.phoneState - b.phoneState;
  case kGroupColumn:
    return a.group - b.group;
  case kNameColumn:
    return text::compareBytes(a.name.view(), b.name.view());
  default:
    return text::compareBytes(a.numbers[column - kHomeColumn].view(), b.numbers[column - kHomeColumn].view());
  }
}

bool sameTexts(const PhoneBookEntry &a, const PhoneBookEntry &b) {
  return a.name == b.name && a.numbers == b.numbers;
}

std::string failureMessage(WriteMode mode) {
  switch (mode) {
  case WriteMode::Add:
    return text::translate("pdx::phonebook", "휴대폰에 전화번호를 추가할 수 없습니다.");
  case WriteMode::Modify:
    return text::translate("pdx::phonebook", "휴대폰의 전화번호를 수정할 수 없습니다.");
  case WriteMode::Delete:
    return text::translate("pdx::phonebook", "휴대폰에 전화번호를 삭제할 수 없습니다.");
  case WriteMode::Move:
    break;
  }
  return text::translate("pdx::phonebook", "휴대폰에 전화번호를 옮길 수 없습니다.");
}

constexpr const char *kPhoneFull =
    QT_TRANSLATE_NOOP("pdx::phonebook", "휴대폰에 더이상 전화번호를 추가할 수 없습니다.");

} // namespace

void sortPhonebook(core::PhonebookList &list, PhonebookColumn column) {
  std::vector<PhoneBookEntry> entries(list.begin(), list.end());
  std::stable_sort(
      entries.begin(), entries.end(),
      [column](const PhoneBookEntry &a, const PhoneBookEntry &b) { return compareColumn(a, b, column) < 0; });
  list.clear();
  for (const PhoneBookEntry &e : entries) {
    list.append(e);
  }
}

bool entryMatches(const PhoneBookEntry &entry, std::string_view name, std::string_view number) {
  if (entry.isEmpty()) {
    return false;
  }
  if (!number.empty()) {
    return std::any_of(entry.numbers.begin(), entry.numbers.end(),
                       [&](const auto &n) { return n.view().find(number) != std::string_view::npos; });
  }
  return text::nameMatches(entry.name.view(), name);
}

int followMove(int row, int from, int to) {
  if (from < row && row <= to) {
    return row - 1;
  }
  if (to <= row && row < from) {
    return row + 1;
  }
  return row;
}

PhonebookEditor::PhonebookEditor(core::CDataStore &store, PhonebookPhone &phone, PageUser &user,
                                 bool connected)
    : store_(store), phone_(phone), user_(user), connected_(connected) {}

bool PhonebookEditor::onPhone(const PhoneBookEntry &e) {
  return e.phoneState == core::kStoredOnPhone && e.phoneSlot != core::kNoPhoneSlot;
}

std::string PhonebookEditor::rowText(int row) const {
  const PhoneBookEntry &e = entry(row);
  std::string text{'\xFF', static_cast<char>(e.phoneState + 1), '\t'};
  const int at = store_.phoneGroups.findById(e.group);
  if (at >= 0) {
    const std::string_view name = store_.phoneGroups[static_cast<size_t>(at)].name.view();
    text += name == core::defaultGroupName() ? "[" + std::string(name) + "]" : std::string(name);
  }
  text += "\t" + std::string(e.name.view());
  for (const auto &number : e.numbers) {
    text += "\t" + std::string(number.view());
  }
  return text;
}

void PhonebookEditor::sortBy(PhonebookColumn column) {
  sortColumn_ = column;
  sortPhonebook(store_.pcPhonebook, column);
}

int PhonebookEditor::phoneSlotLookup(const PhoneBookEntry &e) const {
  if (!connected_) {
    return -1;
  }
  for (size_t slot = 0; slot < store_.phonePhonebook.size(); ++slot) {
    const PhoneBookEntry &m = store_.phonePhonebook[slot];
    if (!m.isEmpty() && sameTexts(m, e)) {
      return static_cast<int>(slot);
    }
  }
  return -1;
}

int PhonebookEditor::addToList(PhoneBookEntry e) {
  const int slot = phoneSlotLookup(e);
  e.phoneSlot = static_cast<uint16_t>(slot < 0 ? core::kNoPhoneSlot : slot);
  const auto &list = store_.pcPhonebook;
  const auto at = std::find_if(list.begin(), list.end(),
                               [&](const PhoneBookEntry &x) { return compareColumn(x, e, sortColumn_) > 0; });
  const int row = static_cast<int>(at - list.begin());
  store_.pcPhonebook.insertAt(static_cast<size_t>(row), e);
  store_.modified = true;
  return row;
}

void PhonebookEditor::removeRow(int row) {
  store_.pcPhonebook.removeAt(static_cast<size_t>(row));
  store_.modified = true;
}

int PhonebookEditor::replaceRow(int row, PhoneBookEntry e) {
  removeRow(row);
  return addToList(e);
}

bool PhonebookEditor::writeEntryToPhone(PhoneBookEntry e, int slot, WriteMode mode) {
  if (store_.testMode) {
    return true;
  }
  const bool clearing = mode == WriteMode::Delete && e.isEmpty();
  if (clearing && static_cast<size_t>(slot) < store_.phonePhonebook.size() &&
      !store_.phonePhonebook[static_cast<size_t>(slot)].isEmpty()) {
    core::SpeedDialTable dials = store_.phoneSpeedDials;
    bool cleared = false;
    for (core::SpeedDialKey &key : dials) {
      if (!key.isUnused() && key.slot == slot) {
        key.clear();
        cleared = true;
      }
    }
    if (cleared && !phone_.writeSpeedDials(dials)) {
      user_.tell(text::translate("pdx::phonebook", "전화번호와 연결된 단축다이얼을 삭제할 수 없습니다."));
      return false;
    }
    store_.phoneSpeedDials = dials;
  }
  if (!phone_.writeEntry(slot, e)) {
    user_.tell(failureMessage(mode));
    return false;
  }
  if (static_cast<size_t>(slot) < store_.phonePhonebook.size()) {
    e.phoneSlot = static_cast<uint16_t>(slot);
    e.phoneState = core::kStoredOnPhone;
    store_.phonePhonebook.replaceAt(static_cast<size_t>(slot), e);
  }
  return true;
}

bool PhonebookEditor::nameExists(std::string_view name) const {
  return std::any_of(store_.pcPhonebook.begin(), store_.pcPhonebook.end(),
                     [&](const PhoneBookEntry &e) { return e.name.view() == name; });
}

PhoneBookEntry PhonebookEditor::fromForm(const EntryForm &form) const {
  PhoneBookEntry e;
  e.name.set(form.name);
  for (size_t k = 0; k < core::kNumberKinds; ++k) {
    e.numbers[k].set(form.numbers[k]);
  }
  e.group = static_cast<uint16_t>(form.group);
  return e;
}

// Writes a new entry to the lowest free slot; afterwards it is on the phone
// (state 0) or, when the phone is full or refused, on the PC only.
void PhonebookEditor::placeOnPhone(PhoneBookEntry &e) {
  e.phoneSlot = core::kNoPhoneSlot;
  e.phoneState = core::kNotOnPhone;
  const int slot = freePhoneSlot();
  if (slot < 0) {
    user_.tell(text::translate("pdx::phonebook", kPhoneFull));
    return;
  }
  if (writeEntryToPhone(e, slot, WriteMode::Add)) {
    e.phoneSlot = static_cast<uint16_t>(slot);
    e.phoneState = core::kStoredOnPhone;
  }
}

std::optional<int> PhonebookEditor::addNew(const EntryForm &form) {
  PhoneBookEntry e = fromForm(form);
  if (store_.pcPhonebook.size() >= core::kMaxPcEntries) {
    user_.tell(text::translate("pdx::phonebook", "전화번호부에는 200,000건까지 넣을 수 있습니다."));
    return std::nullopt;
  }
  if (nameExists(e.name.view())) {
    user_.tell(text::translate("pdx::phonebook", "같은 이름이 이미 존재하고 있습니다"));
    return std::nullopt;
  }
  if (connected_ && form.storeOnPhone) {
    placeOnPhone(e);
  }
  return addToList(e);
}

void PhonebookEditor::markOffline(PhoneBookEntry &e) const {
  if (e.phoneState == core::kStoredOnPhone) {
    e.phoneState = core::kUnconfirmed;
  }
  e.phoneSlot = core::kNoPhoneSlot;
}

std::optional<int> PhonebookEditor::modifyOne(int row, const EntryForm &form) {
  const PhoneBookEntry old = entry(row);
  PhoneBookEntry e = fromForm(form);
  e.phoneSlot = old.phoneSlot;
  e.phoneState = old.phoneState;
  if (!connected_) {
    markOffline(e);
  } else if (!onPhone(old) && form.storeOnPhone) {
    placeOnPhone(e);
  } else if (onPhone(old) && !form.storeOnPhone) {
    if (!writeEntryToPhone(PhoneBookEntry(), old.phoneSlot, WriteMode::Delete)) {
      return std::nullopt;
    }
    e.phoneSlot = core::kNoPhoneSlot;
    e.phoneState = core::kNotOnPhone;
  } else if (onPhone(old) && !writeEntryToPhone(e, old.phoneSlot, WriteMode::Modify)) {
    return std::nullopt;
  }
  return replaceRow(row, e);
}

// One entry of a group-only change; false when a phone write failed.
bool PhonebookEditor::changeOneOfSeveral(PhoneBookEntry &e, const GroupOnlyForm &form) {
  if (form.group) {
    e.group = static_cast<uint16_t>(*form.group);
  }
  if (!connected_) {
    markOffline(e);
    return true;
  }
  if (form.storeOnPhone == true && !onPhone(e)) {
    const int slot = freePhoneSlot();
    if (slot < 0) {
      user_.tell(text::translate("pdx::phonebook", kPhoneFull));
      return true;
    }
    if (!writeEntryToPhone(e, slot, WriteMode::Add)) {
      return false;
    }
    e.phoneSlot = static_cast<uint16_t>(slot);
    e.phoneState = core::kStoredOnPhone;
  } else if (form.storeOnPhone == false && onPhone(e)) {
    if (!writeEntryToPhone(PhoneBookEntry(), e.phoneSlot, WriteMode::Delete)) {
      return false;
    }
    e.phoneSlot = core::kNoPhoneSlot;
    e.phoneState = core::kNotOnPhone;
  } else if (onPhone(e)) {
    return writeEntryToPhone(e, e.phoneSlot, WriteMode::Modify);
  }
  return true;
}

std::vector<int> PhonebookEditor::modifySeveral(std::vector<int> rows, const GroupOnlyForm &form) {
  const int total = static_cast<int>(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    user_.progress(static_cast<int>(i), total);
    if (user_.cancelRequested()) {
      break;
    }
    PhoneBookEntry e = entry(rows[i]);
    if (!changeOneOfSeveral(e, form)) {
      break;
    }
    const int from = rows[i];
    const int to = replaceRow(from, e);
    for (size_t j = 0; j < rows.size(); ++j) {
      rows[j] = j == i ? to : followMove(rows[j], from, to);
    }
  }
  user_.progress(total, total);
  return rows;
}

int PhonebookEditor::mirrorSlotByName(std::string_view name) const {
  for (size_t slot = 0; slot < store_.phonePhonebook.size(); ++slot) {
    const PhoneBookEntry &m = store_.phonePhonebook[slot];
    if (!m.isEmpty() && m.name.view() == name) {
      return static_cast<int>(slot);
    }
  }
  return -1;
}

bool PhonebookEditor::deleteRows(std::vector<int> rows) {
  if (rows.empty()) {
    return false;
  }
  std::sort(rows.begin(), rows.end());
  const std::string question =
      rows.size() == 1 ? text::fill(text::translate("pdx::phonebook", "\"%1\" 전화번호를 삭제하시겠습니까?"),
                                    {entry(rows[0]).name.utf8()})
                       : text::translate("pdx::phonebook", "선택한 전화번호를 모두 삭제하시겠습니까?");
  if (!user_.ask(question)) {
    return false;
  }
  int removed = 0;
  const int total = static_cast<int>(rows.size());
  for (int row : rows) {
    user_.progress(removed, total);
    if (user_.cancelRequested()) {
      break;
    }
    const int current = row - removed;
    const PhoneBookEntry &e = entry(current);
    const int slot = connected_ && onPhone(e) ? mirrorSlotByName(e.name.view()) : -1;
    if (slot >= 0 && !writeEntryToPhone(PhoneBookEntry(), slot, WriteMode::Delete)) {
      break;
    }
    removeRow(current);
    ++removed;
  }
  user_.progress(total, total);
  return removed > 0;
}

// Writes an entry changed by a drag when it is on the phone (connected), or
// marks it unconfirmed (offline); false when the phone refused.
bool PhonebookEditor::writeMoved(PhoneBookEntry &e) {
  if (!connected_) {
    if (e.phoneState == core::kStoredOnPhone) {
      e.phoneState = core::kUnconfirmed;
    }
    return true;
  }
  return !onPhone(e) || writeEntryToPhone(e, e.phoneSlot, WriteMode::Move);
}

bool PhonebookEditor::moveNumber(int sourceRow, int sourceKind, int targetRow, int targetKind, bool copy) {
  if (sourceRow == targetRow && sourceKind == targetKind) {
    return false;
  }
  PhoneBookEntry source = entry(sourceRow);
  PhoneBookEntry target = sourceRow == targetRow ? source : entry(targetRow);
  const std::string number(source.numbers[static_cast<size_t>(sourceKind)].view());
  target.numbers[static_cast<size_t>(targetKind)].set(number);
  if (sourceRow == targetRow) {
    // One entry changes: it is written once, moved or copied.
    if (!copy) {
      target.numbers[static_cast<size_t>(sourceKind)].clear();
    }
    if (!writeMoved(target)) {
      return false;
    }
    replaceRow(targetRow, target);
    return true;
  }
  if (!writeMoved(target)) {
    return false;
  }
  const int movedTo = replaceRow(targetRow, target);
  if (copy) {
    return true;
  }
  source.numbers[static_cast<size_t>(sourceKind)].clear();
  const int sourceNow = followMove(sourceRow, targetRow, movedTo);
  if (writeMoved(source)) {
    replaceRow(sourceNow, source);
  }
  return true;
}

bool PhonebookEditor::matches(int row) const {
  return entryMatches(entry(row), findName_, findNumber_);
}

int PhonebookEditor::find(const std::string &name, const std::string &number, int selectedRow) {
  if (name == findName_ && number == findNumber_) {
    return findNext(selectedRow, false);
  }
  findName_ = name;
  findNumber_ = number;
  for (int row = 0; row < static_cast<int>(rowCount()); ++row) {
    if (matches(row)) {
      return row;
    }
  }
  user_.tell(text::translate("pdx::phonebook", "찾는 항목이 등록되어 있지 않습니다."));
  return -1;
}

int PhonebookEditor::findNext(int selectedRow, bool upward) {
  const int step = upward ? -1 : 1;
  for (int row = selectedRow + step; row >= 0 && row < static_cast<int>(rowCount()); row += step) {
    if (matches(row)) {
      return row;
    }
  }
  user_.tell(text::translate("pdx::phonebook", "더 이상 찾을 수 없습니다."));
  return -1;
}

} // namespace pdx::features
