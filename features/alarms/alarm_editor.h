// The logic of the alarm page: the list in the store's due-time order and
// the add, modify and delete commands. Every change is written to the phone
// first; the store changes only when the phone accepted it. Positions in
// the list are the phone's addresses.
#pragma once

#include "core/base/clock.h"
#include "core/data/alarm_list.h"
#include "core/data/store.h"
#include "features/alarms/alarm_ports.h"
#include "features/common/page_user.h"

#include <optional>
#include <string>

namespace pdx::features {

class AlarmEditor {
public:
  // `clock` dates the due-time order, in the phone's Korean time.
  AlarmEditor(core::CDataStore &store, AlarmPhone &phone, PageUser &user, const Clock &clock);

  size_t size() const { return store_.alarms.size(); }
  const core::AlarmEntry &alarm(size_t position) const { return store_.alarms[position]; }
  // The list row: 0xFF, the icon code (repeat kind + 1), tab, memo.
  std::string rowText(size_t position) const;
  core::CivilTime now() const { return core::koreanTimeAt(clock_.utcSeconds()); }

  // False (after telling the user) when the phone's ten places are taken;
  // checked before the edit dialog opens.
  bool mayAdd();
  // Each returns the alarm's new position, or nothing when the phone
  // refused (after telling the user).
  std::optional<size_t> add(core::AlarmEntry alarm);
  std::optional<size_t> modify(size_t position, core::AlarmEntry alarm);
  // Asks first; returns the position to select afterwards (-1 when the list
  // became empty), or nothing when nothing was deleted.
  std::optional<int> remove(size_t position);

private:
  core::CDataStore &store_;
  AlarmPhone &phone_;
  PageUser &user_;
  const Clock &clock_;
};

} // namespace pdx::features
