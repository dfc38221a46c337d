#include "core/data/lists.h"

#include <algorithm>
#include <string>

namespace pdx::core {

std::string_view defaultGroupName() {
  static const std::string name = text::fromUtf8("지정안됨");
  return name;
}

std::string_view storedGroupName(std::string_view name) {
  const std::string_view cut = name.substr(0, text::cutWhole(name, PhoneGroup::kNameBytes));
  return cut.substr(0, text::withoutDanglingLead(cut));
}

const char *describe(GroupRefusal refusal) {
  switch (refusal) {
  case GroupRefusal::None:
    return "";
  case GroupRefusal::Full:
    return QT_TRANSLATE_NOOP("pdx::data", "더이상 그룹을 추가할 수 없습니다.");
  case GroupRefusal::NoName:
    return QT_TRANSLATE_NOOP("pdx::data", "그룹 이름을 입력하십시오.");
  case GroupRefusal::SameName:
    return QT_TRANSLATE_NOOP("pdx::data", "같은 이름의 그룹이 있습니다.");
  }
  return "";
}

namespace {

// Name order of groups: the default group first, then byte-wise.
bool sortsAfter(std::string_view name, std::string_view other) {
  if (name == other) {
    return false;
  }
  if (other == defaultGroupName()) {
    return true;
  }
  if (name == defaultGroupName()) {
    return false;
  }
  return text::compareBytes(name, other) > 0;
}

} // namespace

bool GroupTable::isFree(int id) const {
  return std::none_of(groups_.begin(), groups_.end(),
                      [id](const PhoneGroup &g) { return g.id == id && !g.isEmpty(); });
}

int GroupTable::nextFreeId(int after) const {
  for (int id = std::max(after + 1, 0); id < kMaxGroups; ++id) {
    if (isFree(id)) {
      return id;
    }
  }
  return -1;
}

GroupRefusal GroupTable::refusal(const PhoneGroup &group, std::optional<size_t> replacing) const {
  const std::string_view name = storedGroupName(group.name.view());
  if (name.empty()) {
    return GroupRefusal::NoName;
  }
  for (size_t i = 0; i < groups_.size(); ++i) {
    if (i != replacing && groups_[i].name.view() == name) {
      return GroupRefusal::SameName;
    }
  }
  const size_t others = groups_.size() - (replacing && *replacing < groups_.size() ? 1 : 0);
  return others >= static_cast<size_t>(kMaxGroups) ? GroupRefusal::Full : GroupRefusal::None;
}

std::optional<size_t> GroupTable::insert(PhoneGroup group) {
  if (refusal(group) != GroupRefusal::None) {
    return std::nullopt;
  }
  if (group.id >= kMaxGroups || findById(group.id) >= 0) {
    group.id = static_cast<uint16_t>(firstFreeId());
  }
  if (group.melody > 51) {
    group.melody = 0;
  }
  group.name.dropDanglingLead();
  const auto at = std::find_if(groups_.begin(), groups_.end(), [&](const PhoneGroup &g) {
    return sortsAfter(g.name.view(), group.name.view());
  });
  const size_t index = static_cast<size_t>(at - groups_.begin());
  groups_.insert(at, group);
  return index;
}

int GroupTable::findById(int id) const {
  const auto it =
      std::find_if(groups_.begin(), groups_.end(), [id](const PhoneGroup &g) { return g.id == id; });
  return it == groups_.end() ? -1 : static_cast<int>(it - groups_.begin());
}

int GroupTable::findByName(std::string_view name) const {
  const std::string_view stored = storedGroupName(name);
  const auto it = std::find_if(groups_.begin(), groups_.end(),
                               [stored](const PhoneGroup &g) { return g.name.view() == stored; });
  return it == groups_.end() ? -1 : static_cast<int>(it - groups_.begin());
}

int GroupTable::addGroup(std::string_view name, uint16_t secret) {
  const int id = firstFreeId();
  if (id < 0) {
    return -1;
  }
  PhoneGroup group;
  group.id = static_cast<uint16_t>(id);
  group.secret = secret;
  group.name.setWhole(name);
  return insert(group) ? id : -1;
}

void GroupTable::ensureDefaultGroup() {
  if (findByName(defaultGroupName()) >= 0) {
    return;
  }
  PhoneGroup group;
  group.name.set(defaultGroupName());
  (void)insert(group); // a full table has no room for it; entries of group 0 then show no group
}

size_t SmsBox::insert(SmsMessage message) {
  message.normalise();
  const auto at = std::find_if(messages_.begin(), messages_.end(),
                               [&](const SmsMessage &m) { return compareTimeStamps(m, message) < 0; });
  const size_t index = static_cast<size_t>(at - messages_.begin());
  messages_.insert(at, message);
  return index;
}

void SmsBox::replaceAt(size_t index, SmsMessage message) {
  message.normalise();
  messages_.at(index) = message;
}

void PhonebookList::append(PhoneBookEntry entry) {
  entry.normalise();
  entries_.push_back(entry);
}

void PhonebookList::insertAt(size_t index, PhoneBookEntry entry) {
  entry.normalise();
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(std::min(index, entries_.size())), entry);
}

void PhonebookList::replaceAt(size_t index, PhoneBookEntry entry) {
  entry.normalise();
  entries_.at(index) = entry;
}

void PhonebookList::resetSlots(int count) {
  entries_.assign(static_cast<size_t>(count), PhoneBookEntry());
  for (int i = 0; i < count; ++i) {
    entries_[static_cast<size_t>(i)].phoneSlot = static_cast<uint16_t>(i);
  }
}

int PhonebookList::firstEmptyEntry() const {
  const size_t limit = std::min<size_t>(entries_.size(), kPhoneSlots - 1);
  for (size_t i = 0; i < limit; ++i) {
    if (entries_[i].isEmpty()) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool PhonebookList::anyEntryHasGroup(int group) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [group](const PhoneBookEntry &e) { return !e.isEmpty() && e.group == group; });
}

} // namespace pdx::core
