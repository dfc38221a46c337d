// Merging the phone's groups and phonebook, as just read, into the PC's when
// the phonebook opens with the phone connected. Conflicts are settled by the
// user through the comparison dialog; a choice marked "always" holds for
// the rest of the merge.
#pragma once

#include "core/data/store.h"
#include "features/phonebook/phonebook_ports.h"

#include <map>
#include <optional>

namespace pdx::features {

class PhonebookMerge {
public:
  PhonebookMerge(core::CDataStore &store, PhonebookPhone &phone, PageUser &user, ConflictResolver &resolver);

  // Runs the whole merge: groups, then entries, then groups that no longer
  // exist set to 0. Afterwards the phone group table and the PC group list
  // are the same list.
  void run();

  // The group merge alone; returns the mapping from phone ids to PC ids.
  std::map<int, int> mergeGroups();

private:
  bool pcToPhone(const Conflict &conflict);
  void mergeGroup(const core::PhoneGroup &phoneGroup, std::map<int, int> &mapping);
  int newGroupId(int phoneId) const;
  void settleGroupSetting(size_t pcIndex, const core::PhoneGroup &phoneGroup, bool secret);
  void mergeEntry(size_t slot);
  bool compareNumbers(core::PhoneBookEntry &pc, core::PhoneBookEntry &copy);
  bool compareGroups(core::PhoneBookEntry &pc, core::PhoneBookEntry &copy);
  void dropVanishedGroups();

  core::CDataStore &store_;
  PhonebookPhone &phone_;
  PageUser &user_;
  ConflictResolver &resolver_;
  std::optional<bool> always_; // remembered: true = PC to phone
};

// Whether a group name read from the phone stands for no group.
bool isPlaceholderGroupName(std::string_view cp949Name);

} // namespace pdx::features
