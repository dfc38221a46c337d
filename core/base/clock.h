// The calendar clock. Nothing below the programs reads the computer's clock
// itself: the programs and pelodex-cli hand in the system clock
// (platform/event_loop/system_clock.h), tests a clock that stands still.
#pragma once

#include <cstdint>

namespace pdx {

class Clock {
public:
  virtual ~Clock() = default;
  // Seconds since 1970-01-01 UTC: what alarms and messages are dated by.
  virtual int64_t utcSeconds() const = 0;
};

} // namespace pdx
