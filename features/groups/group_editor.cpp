#include "features/groups/group_editor.h"

namespace pdx::features {

namespace {

constexpr const char *kSameName = "같은 이름의 그룹이 있습니다.";
constexpr const char *kCannotAdd = "휴대폰에 그룹을 추가할 수 없습니다.";

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

// Puts `group` into the table (replacing the group at `replacing`), keeps the
// PC group list the same list, and marks the data file dirty.
std::optional<size_t> GroupEditor::store(const core::PhoneGroup &group, std::optional<size_t> replacing) {
  if (replacing) {
    store_.phoneGroups.removeAt(*replacing);
  }
  const size_t at = store_.phoneGroups.insert(group);
  store_.pcGroups = store_.phoneGroups;
  store_.modified = true;
  changed_ = true;
  return at;
}

std::optional<size_t> GroupEditor::add(const core::PhoneGroup &group) {
  const int id = table().firstFreeId();
  if (id < 0) {
    return std::nullopt;
  }
  if (table().findByName(group.name.view()) >= 0) {
    user_.tell(kSameName);
    return std::nullopt;
  }
  core::PhoneGroup added = group;
  added.id = static_cast<uint16_t>(id);
  if (connected_ && !phone_.writeGroup(table(), id, added)) {
    user_.tell(kCannotAdd);
    return std::nullopt;
  }
  return store(added, std::nullopt);
}

std::optional<size_t> GroupEditor::modify(size_t position, const core::PhoneGroup &changed) {
  core::PhoneGroup group = changed;
  group.id = table()[position].id;
  const int other = table().findByName(group.name.view());
  if (!group.name.empty() && group.name.view() != core::defaultGroupName() && other >= 0 &&
      static_cast<size_t>(other) != position) {
    user_.tell(kSameName);
    return std::nullopt;
  }
  if (connected_ && !phone_.writeGroup(table(), group.id, group)) {
    user_.tell("휴대폰의 그룹설정을 바꿀 수 없습니다.");
    return std::nullopt;
  }
  return store(group, position);
}

bool GroupEditor::remove(size_t position) {
  const core::PhoneGroup group = table()[position];
  if (store_.pcPhonebook.anyEntryHasGroup(group.id)) {
    user_.tell("사람이 등록되어 있는 그룹은 삭제할 수 없습니다.");
    return false;
  }
  if (!user_.ask("그룹을 삭제하시겠습니까?")) {
    return false;
  }
  core::PhoneGroup empty;
  empty.id = group.id;
  if (connected_ && !phone_.writeGroup(table(), group.id, empty)) {
    user_.tell("휴대폰의 그룹을 삭제할 수 없습니다.");
    return false;
  }
  store_.phoneGroups.removeAt(position);
  store_.pcGroups = store_.phoneGroups;
  store_.modified = true;
  changed_ = true;
  return true;
}

int GroupEditor::createByName(std::string_view name) {
  if (!user_.ask("해당하는 그룹이 없습니다. 새로 만들까요?")) {
    return -1;
  }
  const int id = table().firstFreeId();
  if (id < 0) {
    user_.tell("더이상 그룹을 추가할 수 없습니다.");
    return -1;
  }
  core::PhoneGroup group;
  group.id = static_cast<uint16_t>(id);
  group.name.setWhole(name);
  if (connected_ && !phone_.writeGroup(table(), id, group)) {
    user_.tell(kCannotAdd);
    return -1;
  }
  store(group, std::nullopt);
  return id;
}

} // namespace pdx::features
