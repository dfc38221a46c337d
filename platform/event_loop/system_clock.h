// The computer's calendar clock: the one the programs and pelodex-cli hand
// to what dates alarms and messages.
#pragma once

#include "core/base/clock.h"

namespace pdx::platform {

class SystemClock final : public Clock {
public:
  int64_t utcSeconds() const override;
};

} // namespace pdx::platform
