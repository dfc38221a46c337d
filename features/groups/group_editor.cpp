#include "features/groups/group_editor.h"

#include "core/base/user_text.h"

namespace pdx::features {

namespace {

constexpr const char *kCannotAdd = QT_TRANSLATE_NOOP("pdx::groups", "휴대폰에 그룹을 추가할 수 없습니다.");

} // namespace

GroupEditor::GroupEditor(core::CDataStore &store, PhonebookPhone &phone, PageUser &user, bool connected)
    : store_(store), phone_(phone), user_(user), connected_(connected) {}

std::vector<size_t> GroupEditor::listedGroups() const {
  std::vector<size_t> rows;
  for (size_t i = 0; i < table().size(); ++i) {
    if (table()[i].name.view() != core::defaultGroupName()) {
      rows.push_back(i);
    }
  }
  return rows;
}

bool GroupEditor::allowed(const core::PhoneGroup &group, std::optional<size_t> replacing) {
  const core::GroupRefusal refusal = table().refusal(group, replacing);
  if (refusal != core::GroupRefusal::None) {
    user_.tell(text::translate("pdx::data", core::describe(refusal)));
  }
  return refusal == core::GroupRefusal::None;
}

// Puts `group` into the table (replacing the group at `replacing`), keeps the
// PC group list the same list, and marks the data file dirty. The table's
// guard has been asked already, so the removal is never left half-done.
std::optional<size_t> GroupEditor::store(const core::PhoneGroup &group, std::optional<size_t> replacing) {
  if (replacing) {
    store_.phoneGroups.removeAt(*replacing);
  }
  const std::optional<size_t> at = store_.phoneGroups.insert(group);
  store_.pcGroups = store_.phoneGroups;
  store_.modified = true;
  changed_ = true;
  return at;
}

std::optional<size_t> GroupEditor::add(const core::PhoneGroup &group) {
  const int id = table().firstFreeId();
  if (id < 0 || !allowed(group, std::nullopt)) {
    return std::nullopt;
  }
  core::PhoneGroup added = group;
  added.id = static_cast<uint16_t>(id);
  if (connected_ && !phone_.writeGroup(table(), id, added)) {
    user_.tell(text::translate("pdx::groups", kCannotAdd));
    return std::nullopt;
  }
  return store(added, std::nullopt);
}

std::optional<size_t> GroupEditor::modify(size_t position, const core::PhoneGroup &changed) {
  core::PhoneGroup group = changed;
  group.id = table()[position].id;
  if (!allowed(group, position)) {
    return std::nullopt;
  }
  if (connected_ && !phone_.writeGroup(table(), group.id, group)) {
    user_.tell(text::translate("pdx::groups", "휴대폰의 그룹설정을 바꿀 수 없습니다."));
    return std::nullopt;
  }
  return store(group, position);
}

bool GroupEditor::remove(size_t position) {
  const core::PhoneGroup group = table()[position];
  if (store_.pcPhonebook.anyEntryHasGroup(group.id)) {
    user_.tell(text::translate("pdx::groups", "사람이 등록되어 있는 그룹은 삭제할 수 없습니다."));
    return false;
  }
  if (!user_.ask(text::translate("pdx::groups", "그룹을 삭제하시겠습니까?"))) {
    return false;
  }
  core::PhoneGroup empty;
  empty.id = group.id;
  if (connected_ && !phone_.writeGroup(table(), group.id, empty)) {
    user_.tell(text::translate("pdx::groups", "휴대폰의 그룹을 삭제할 수 없습니다."));
    return false;
  }
  store_.phoneGroups.removeAt(position);
  store_.pcGroups = store_.phoneGroups;
  store_.modified = true;
  changed_ = true;
  return true;
}

int GroupEditor::createByName(std::string_view name) {
  // The name is looked up as it would be stored, so a long name typed twice,
  // or the default group's own name, finds the group that already holds it.
  if (const int at = table().findByName(name); at >= 0) {
    return table()[static_cast<size_t>(at)].id;
  }
  core::PhoneGroup group;
  group.name.setWhole(name);
  if (!user_.ask(text::translate("pdx::groups", "해당하는 그룹이 없습니다. 새로 만들까요?")) ||
      !allowed(group, std::nullopt)) {
    return -1;
  }
  const int id = table().firstFreeId();
  group.id = static_cast<uint16_t>(id);
  if (connected_ && !phone_.writeGroup(table(), id, group)) {
    user_.tell(text::translate("pdx::groups", kCannotAdd));
    return -1;
  }
  store(group, std::nullopt);
  return id;
}

} // namespace pdx::features
