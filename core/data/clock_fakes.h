// A clock standing still at a Korean date and time, for tests.
#pragma once

#include "core/base/clock.h"
#include "core/calendar/gregorian.h"
#include "core/data/alarm_list.h"

namespace pdx::core::testing {

class FixedKoreanClock final : public Clock {
public:
  explicit FixedKoreanClock(CivilTime at) : at(at) {}

  int64_t utcSeconds() const override {
    const int64_t local = calendar::daysSinceEpoch(at.year, at.month, at.day) * 86400 + at.hour * 3600 +
                          at.minute * 60 + at.second;
    return local - 9 * 3600;
  }

  CivilTime at;
};

} // namespace pdx::core::testing
