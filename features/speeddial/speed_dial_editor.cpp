#include "features/speeddial/speed_dial_editor.h"

#include "core/base/cp949.h"
#include "core/base/user_text.h"

#include <algorithm>
#include <string_view>

namespace pdx::features {
namespace {

// The user-defined characters of the phone's font for home, office,
// mobile and pager.
constexpr char kSymbols[core::kNumberKinds][3] = {"\xC9\xA5", "\xC9\xA6", "\xC9\xA2", "\xC9\xA3"};

std::string_view firstNumber(const core::PhoneBookEntry &entry) {
  for (const auto &number : entry.numbers) {
    if (!number.empty()) {
      return number.view();
    }
  }
  return {};
}

} // namespace

std::string kindSymbol(int kind) {
  return kind >= 0 && kind < core::kNumberKinds ? kSymbols[kind] : "";
}

SpeedDialEditor::SpeedDialEditor(core::CDataStore &store, PhonebookPhone &phone, PageUser &user)
    : store_(store), phone_(phone), user_(user) {
  refreshNumbers();
}

bool SpeedDialEditor::assigned(int key) const {
  return key >= 0 && key < core::kSpeedDialKeys && !table()[static_cast<size_t>(key)].isUnused();
}

std::string SpeedDialEditor::keyRow(int key) const {
  std::string row = std::to_string(key + 1);
  if (!assigned(key)) {
    return row;
  }
  const core::SpeedDialKey &value = table()[static_cast<size_t>(key)];
  const auto slot = static_cast<size_t>(value.slot);
  if (slot >= store_.phonePhonebook.size()) {
    return row + "\t\t" + kindSymbol(value.kind);
  }
  const core::PhoneBookEntry &entry = store_.phonePhonebook[slot];
  return row + "\t" + std::string(entry.name.view()) + "\t" + kindSymbol(value.kind) +
         std::string(entry.numbers[static_cast<size_t>(value.kind)].view());
}

void SpeedDialEditor::sortNumbers(NumberSort sort) {
  sort_ = sort;
  refreshNumbers();
}

void SpeedDialEditor::refreshNumbers() {
  std::vector<const core::PhoneBookEntry *> entries;
  for (const core::PhoneBookEntry &entry : store_.phonePhonebook) {
    if (!entry.isEmpty()) {
      entries.push_back(&entry);
    }
  }
  const auto key = [this](const core::PhoneBookEntry *e) {
    return sort_ == NumberSort::ByName ? e->name.view() : firstNumber(*e);
  };
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const auto *a, const auto *b) { return text::compareBytes(key(a), key(b)) < 0; });
  rows_.clear();
  for (const core::PhoneBookEntry *entry : entries) {
    bool first = true;
    for (int kind = 0; kind < core::kNumberKinds; ++kind) {
      const std::string_view number = entry->numbers[static_cast<size_t>(kind)].view();
      if (number.empty()) {
        continue;
      }
      const std::string name = first ? std::string(entry->name.view()) : std::string();
      rows_.push_back({entry->phoneSlot, kind, name + "\t" + kindSymbol(kind) + std::string(number)});
      first = false;
    }
  }
}

std::optional<std::string> speedDialNumberRefusal(int number) {
  if (number >= 1 && number <= core::kSpeedDialKeys) {
    return std::nullopt;
  }
  return text::translate("pdx::speeddial", "단축다이얼 번호는 1에서 99 사이로 입력하세요.");
}

int SpeedDialEditor::startNumber(std::optional<int> selectedKey) const {
  if (selectedKey && *selectedKey >= 0 && *selectedKey < core::kSpeedDialKeys) {
    return *selectedKey + 1;
  }
  return std::max(core::firstUnusedKey(table()), 0) + 1;
}

bool SpeedDialEditor::send(const core::SpeedDialTable &next, const char *failure) {
  if (!phone_.writeSpeedDials(next)) {
    user_.tell(text::translate("pdx::speeddial", failure));
    return false;
  }
  store_.phoneSpeedDials = next;
  return true;
}

bool SpeedDialEditor::hasNumber(int slot, int kind) const {
  return slot >= 0 && static_cast<size_t>(slot) < store_.phonePhonebook.size() && kind >= 0 &&
         kind < core::kNumberKinds &&
         !store_.phonePhonebook[static_cast<size_t>(slot)].numbers[static_cast<size_t>(kind)].empty();
}

bool SpeedDialEditor::assign(int key, int slot, int kind) {
  if (key < 0 || key >= core::kSpeedDialKeys || !hasNumber(slot, kind)) {
    return false;
  }
  core::SpeedDialTable next = table();
  next[static_cast<size_t>(key)] = {slot, kind};
  return send(next, QT_TRANSLATE_NOOP("pdx::speeddial", "단축다이얼을 지정할 수 없습니다"));
}

bool SpeedDialEditor::clear(int key) {
  if (!assigned(key) ||
      !user_.ask(text::fill(text::translate("pdx::speeddial", "단축다이얼 %1번을 삭제하시겠습니까?"),
                            {std::to_string(key + 1)}))) {
    return false;
  }
  core::SpeedDialTable next = table();
  next[static_cast<size_t>(key)].clear();
  return send(next, QT_TRANSLATE_NOOP("pdx::speeddial", "단축다이얼을 삭제할 수 없습니다"));
}

bool SpeedDialEditor::move(int from, int to) {
  if (!keyDropAllowed(from, DropTarget::Key, to, false)) {
    return false;
  }
  core::SpeedDialTable next = table();
  next[static_cast<size_t>(to)] = next[static_cast<size_t>(from)];
  next[static_cast<size_t>(from)].clear();
  return send(next, QT_TRANSLATE_NOOP("pdx::speeddial", "단축다이얼을 이동할 수 없습니다"));
}

bool SpeedDialEditor::keyDropAllowed(int sourceKey, DropTarget target, int targetKey, bool busy) const {
  if (busy || !assigned(sourceKey)) {
    return false;
  }
  return target == DropTarget::DeleteButton || (target == DropTarget::Key && targetKey >= 0 &&
                                                targetKey < core::kSpeedDialKeys && !assigned(targetKey));
}

bool SpeedDialEditor::numberDropAllowed(DropTarget target, int targetKey, bool busy) const {
  if (busy) {
    return false;
  }
  return target == DropTarget::AssignButton || (target == DropTarget::Key && targetKey >= 0 &&
                                                targetKey < core::kSpeedDialKeys && !assigned(targetKey));
}

} // namespace pdx::features
