// The logic of the group dialogs: adding, changing and deleting groups of
// the group table, and creating a group by name from the entry dialog.
// When connected, every change is written to the phone first.
#pragma once

#include "core/data/store.h"
#include "features/common/page_user.h"
#include "features/common/phonebook_phone.h"

#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

class GroupEditor {
public:
  GroupEditor(core::CDataStore &store, PhonebookPhone &phone, PageUser &user, bool connected);

  // The rows of the group list: positions in the group table of every group
  // but the default one, in table order.
  std::vector<size_t> listedGroups() const;
  const core::GroupTable &groups() const { return table(); }
  const core::PhoneGroup &group(size_t position) const { return table()[position]; }
  bool canAdd() const { return table().firstFreeId() >= 0; }

  // Each returns the group's new position in the table, or nothing when
  // nothing changed (after telling the user why).
  std::optional<size_t> add(const core::PhoneGroup &group);
  std::optional<size_t> modify(size_t position, const core::PhoneGroup &changed);
  // Asks first; true when the group was deleted.
  bool remove(size_t position);
  // From the entry dialog: the id of the group with this stored name, else
  // asks whether to create the group; its id or -1.
  int createByName(std::string_view name);

  bool changed() const { return changed_; }

private:
  const core::GroupTable &table() const { return store_.phoneGroups; }
  // Tells the user why the table refuses `group`; true when it takes it.
  bool allowed(const core::PhoneGroup &group, std::optional<size_t> replacing);
  std::optional<size_t> store(const core::PhoneGroup &group, std::optional<size_t> replacing);

  core::CDataStore &store_;
  PhonebookPhone &phone_;
  PageUser &user_;
  bool connected_;
  bool changed_ = false;
};

} // namespace pdx::features
