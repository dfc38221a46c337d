#include "features/phonebook/phonebook_merge.h"

#include "core/base/user_text.h"

namespace pdx::features {

namespace {

using core::PhoneBookEntry;
using core::PhoneGroup;

std::string formatName(const char *pattern, const std::string &a, const std::string &b = std::string()) {
  return text::fill(text::translate("pdx::phonebook", pattern), {a, b});
}

std::string secretLabel(uint16_t secret) {
  return secret != 0 ? text::translate("pdx::phonebook", "비밀") : text::translate("pdx::phonebook", "일반");
}

std::string groupLabel(const core::GroupTable &groups, int id) {
  const int at = groups.findById(id);
  return at < 0 ? std::string() : groups[static_cast<size_t>(at)].name.utf8();
}

} // namespace

bool isPlaceholderGroupName(std::string_view cp949Name) {
  static const std::string a = text::fromUtf8("(지정안함)");
  static const std::string b = text::fromUtf8("[지정안됨]");
  return cp949Name == a || cp949Name == b;
}

PhonebookMerge::PhonebookMerge(core::CDataStore &store, PhonebookPhone &phone, PageUser &user,
                               ConflictResolver &resolver)
    : store_(store), phone_(phone), user_(user), resolver_(resolver) {}

bool PhonebookMerge::pcToPhone(const Conflict &conflict) {
  if (always_) {
    return *always_;
  }
  switch (resolver_.resolve(conflict)) {
  case MergeChoice::PcToPhone:
    return true;
  case MergeChoice::PhoneToPc:
    return false;
  case MergeChoice::AlwaysPcToPhone:
    always_ = true;
    return true;
  case MergeChoice::AlwaysPhoneToPc:
    always_ = false;
    return false;
  }
  return false;
}

void PhonebookMerge::run() {
  always_.reset();
  mergeGroups();
  for (size_t i = 0; i < store_.pcPhonebook.size(); ++i) {
    PhoneBookEntry e = store_.pcPhonebook[i];
    e.phoneSlot = core::kNoPhoneSlot;
    e.phoneState = core::kNotOnPhone;
    store_.pcPhonebook.replaceAt(i, e);
  }
  for (size_t slot = 0; slot < store_.phonePhonebook.size(); ++slot) {
    if (!store_.phonePhonebook[slot].isEmpty()) {
      mergeEntry(slot);
    }
  }
  dropVanishedGroups();
  store_.modified = true;
}

std::map<int, int> PhonebookMerge::mergeGroups() {
  // Entries naming a group the phone does not have belong to no group.
  for (size_t i = 0; i < store_.phonePhonebook.size(); ++i) {
    PhoneBookEntry e = store_.phonePhonebook[i];
    if (!e.isEmpty() && store_.phoneGroups.findById(e.group) < 0) {
      e.group = 0;
      store_.phonePhonebook.replaceAt(i, e);
    }
  }
  std::map<int, int> mapping;
  for (const PhoneGroup &group : store_.phoneGroups) {
    mergeGroup(group, mapping);
  }
  for (size_t i = 0; i < store_.phonePhonebook.size(); ++i) {
    PhoneBookEntry e = store_.phonePhonebook[i];
    const auto it = mapping.find(e.group);
    e.group = static_cast<uint16_t>(it == mapping.end() ? 0 : it->second);
    store_.phonePhonebook.replaceAt(i, e);
  }
  store_.phoneGroups = store_.pcGroups;
  return mapping;
}

void PhonebookMerge::mergeGroup(const PhoneGroup &phoneGroup, std::map<int, int> &mapping) {
  const int pcIndex = store_.pcGroups.findByName(phoneGroup.name.view());
  if (pcIndex >= 0) {
    mapping[phoneGroup.id] = store_.pcGroups[static_cast<size_t>(pcIndex)].id;
    settleGroupSetting(static_cast<size_t>(pcIndex), phoneGroup, true);
    settleGroupSetting(static_cast<size_t>(store_.pcGroups.findByName(phoneGroup.name.view())), phoneGroup,
                       false);
    return;
  }
  mapping[phoneGroup.id] = 0;
  if (isPlaceholderGroupName(phoneGroup.name.view()) || phoneGroup.isEmpty()) {
    return;
  }
  const int id = newGroupId(phoneGroup.id);
  if (id < 0) {
    return;
  }
  PhoneGroup added = phoneGroup;
  added.id = static_cast<uint16_t>(id);
  if (!phone_.writeGroup(store_.pcGroups, id, added)) {
    user_.tell(text::translate("pdx::phonebook", "휴대폰에 그룹을 추가할 수 없습니다."));
    return;
  }
  store_.pcGroups.insert(added);
  mapping[phoneGroup.id] = id;
}

// The PC id for a group that only the phone has: its own id when that is
// free on the PC, so that writing it to the phone changes nothing there;
// otherwise the lowest id free on the PC that no phone group uses, so that
// the write does not replace another of the phone's groups; failing both,
// the lowest free PC id.
int PhonebookMerge::newGroupId(int phoneId) const {
  const core::GroupTable &pc = store_.pcGroups;
  if (phoneId >= 0 && phoneId < core::GroupTable::kMaxGroups && pc.nextFreeId(phoneId - 1) == phoneId) {
    return phoneId;
  }
  for (int id = pc.firstFreeId(); id >= 0; id = pc.nextFreeId(id)) {
    if (store_.phoneGroups.findById(id) < 0) {
      return id;
    }
  }
  return pc.firstFreeId();
}

// Settles a difference of the secret setting (`secret`) or of the melody
// between the PC group at `pcIndex` and the phone's group of the same name.
void PhonebookMerge::settleGroupSetting(size_t pcIndex, const PhoneGroup &phoneGroup, bool secret) {
  PhoneGroup pc = store_.pcGroups[pcIndex];
  const bool differ = secret ? pc.isSecret() != phoneGroup.isSecret() : pc.melody != phoneGroup.melody;
  if (!differ) {
    return;
  }
  const std::string name = pc.name.utf8();
  const Conflict conflict =
      secret ? Conflict{formatName(
                            QT_TRANSLATE_NOOP("pdx::phonebook",
                                              "%1 그룹의 비밀설정이 PC와 휴대폰에 다르게 지정되어 있습니다."),
                            name),
                        secretLabel(pc.secret), secretLabel(phoneGroup.secret)}
             : Conflict{formatName(QT_TRANSLATE_NOOP(
                                       "pdx::phonebook",
                                       "%1 그룹의 멜로디설정이 PC와 휴대폰에 다르게 지정되어 있습니다."),
                                   name),
                        core::bellName(pc.melody), core::bellName(phoneGroup.melody)};
  if (pcToPhone(conflict)) {
    if (!phone_.writeGroup(store_.pcGroups, pc.id, pc)) {
      user_.tell(text::translate("pdx::phonebook", "휴대폰의 그룹 속성을 수정할 수 없습니다."));
    }
    return;
  }
  if (secret) {
    pc.secret = phoneGroup.secret;
  } else {
    pc.melody = phoneGroup.melody;
  }
  store_.pcGroups.removeAt(pcIndex);
  store_.pcGroups.insert(pc);
}

void PhonebookMerge::mergeEntry(size_t slot) {
  const PhoneBookEntry &phoneEntry = store_.phonePhonebook[slot];
  int pcIndex = -1;
  for (size_t i = 0; i < store_.pcPhonebook.size(); ++i) {
    if (store_.pcPhonebook[i].name.view() == phoneEntry.name.view()) {
      pcIndex = static_cast<int>(i);
      break;
    }
  }
  // A full PC phonebook takes no more entries; this one stays on the phone.
  if (pcIndex < 0 && store_.pcPhonebook.size() >= core::kMaxPcEntries) {
    return;
  }
  if (pcIndex < 0) {
    PhoneBookEntry copy = phoneEntry;
    copy.phoneSlot = static_cast<uint16_t>(slot);
    copy.phoneState = core::kStoredOnPhone;
    store_.pcPhonebook.append(copy);
    return;
  }
  PhoneBookEntry pc = store_.pcPhonebook[static_cast<size_t>(pcIndex)];
  PhoneBookEntry copy = phoneEntry;
  pc.phoneSlot = static_cast<uint16_t>(slot);
  const bool rewriteForGroup = compareGroups(pc, copy);
  const bool rewriteForNumbers = compareNumbers(pc, copy);
  pc.phoneState = core::kStoredOnPhone;
  if (rewriteForGroup || rewriteForNumbers) {
    if (phone_.writeEntry(static_cast<int>(slot), copy)) {
      store_.phonePhonebook.replaceAt(slot, copy);
    } else {
      user_.tell(text::translate("pdx::phonebook", "휴대폰의 전화번호를 수정할 수 없습니다."));
      pc.phoneState = core::kNotOnPhone;
    }
  }
  store_.pcPhonebook.replaceAt(static_cast<size_t>(pcIndex), pc);
}

// Returns whether the phone's entry must be rewritten for its group.
bool PhonebookMerge::compareGroups(PhoneBookEntry &pc, PhoneBookEntry &copy) {
  if (pc.group == copy.group) {
    return false;
  }
  const int at = store_.pcGroups.findById(copy.group);
  if (at < 0 || isPlaceholderGroupName(store_.pcGroups[static_cast<size_t>(at)].name.view())) {
    copy.group = 0;
  }
  if (pc.group != copy.group) {
    const Conflict conflict{
        formatName(QT_TRANSLATE_NOOP("pdx::phonebook", "%1의 그룹이 PC와 휴대폰에 다르게 지정되어 있습니다."),
                   pc.name.utf8()),
        groupLabel(store_.pcGroups, pc.group), groupLabel(store_.pcGroups, copy.group)};
    if (pcToPhone(conflict)) {
      copy.group = pc.group;
    } else {
      pc.group = copy.group;
    }
  }
  return true;
}

// Returns whether the phone's entry must be rewritten for its numbers.
bool PhonebookMerge::compareNumbers(PhoneBookEntry &pc, PhoneBookEntry &copy) {
  bool rewrite = false;
  for (size_t k = 0; k < core::kNumberKinds; ++k) {
    auto &mine = pc.numbers[k];
    auto &theirs = copy.numbers[k];
    if (mine.empty() && !theirs.empty()) {
      mine = theirs;
    } else if (!mine.empty() && theirs.empty()) {
      theirs = mine;
      rewrite = true;
    } else if (!mine.empty() && !core::numbersEqual(mine.view(), theirs.view())) {
      const Conflict conflict{
          formatName(QT_TRANSLATE_NOOP("pdx::phonebook",
                                       "%1의 %2 전화번호가 PC와 휴대폰에 다르게 입력되어 있습니다."),
                     pc.name.utf8(), core::numberLabel(k)),
          mine.utf8(), theirs.utf8()};
      if (pcToPhone(conflict)) {
        theirs = mine;
        rewrite = true;
      } else {
        mine = theirs;
      }
    }
  }
  return rewrite;
}

void PhonebookMerge::dropVanishedGroups() {
  for (core::PhonebookList *list : {&store_.pcPhonebook, &store_.phonePhonebook}) {
    for (size_t i = 0; i < list->size(); ++i) {
      PhoneBookEntry e = (*list)[i];
      if (store_.phoneGroups.findById(e.group) < 0 && e.group != 0) {
        e.group = 0;
        list->replaceAt(i, e);
      }
    }
  }
}

} // namespace pdx::features
