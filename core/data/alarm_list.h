// The phone's alarms, kept in the order of their next due time.
#pragma once

#include "core/data/records.h"

#include <cstdint>
#include <vector>

namespace pdx::core {

// Korean time (UTC+9), the phone's own zone, of `utc` in seconds since
// 1970-01-01 UTC.
CivilTime koreanTimeAt(int64_t utc);

// Minutes since 1970-01-01 00:00 at which the alarm rings next, at or after
// `now`; a one-time alarm that has passed is due never (the largest value),
// so it sorts after every alarm still to come.
int64_t nextDueMinute(const AlarmEntry &alarm, const CivilTime &now);

class AlarmList {
public:
  static constexpr size_t kCapacity = 10;

  // Inserts before the first alarm due later than this one.
  size_t insert(AlarmEntry alarm, const CivilTime &now);
  void removeAt(size_t index) { alarms_.erase(alarms_.begin() + static_cast<std::ptrdiff_t>(index)); }
  void clear() { alarms_.clear(); }
  bool full() const { return alarms_.size() >= kCapacity; }

  size_t size() const { return alarms_.size(); }
  const AlarmEntry &operator[](size_t i) const { return alarms_[i]; }
  auto begin() const { return alarms_.begin(); }
  auto end() const { return alarms_.end(); }

private:
  std::vector<AlarmEntry> alarms_;
};

} // namespace pdx::core
