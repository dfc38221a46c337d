// What the alarm logic needs from the phone: writes of the whole alarm
// table, each counting only when the phone accepted it.
#pragma once

#include "core/data/records.h"

#include <cstddef>

namespace pdx::features {

class AlarmPhone {
public:
  virtual ~AlarmPhone() = default;
  // The stored alarms in list order with `alarm` at `position`.
  virtual bool writeAlarm(size_t position, const core::AlarmEntry &alarm) = 0;
  // The stored alarms in list order without the one at `position`.
  virtual bool deleteAlarm(size_t position) = 0;
};

} // namespace pdx::features
