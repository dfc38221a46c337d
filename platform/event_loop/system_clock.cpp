#include "platform/event_loop/system_clock.h"

#include <chrono>

namespace pdx::platform {

int64_t SystemClock::utcSeconds() const {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::seconds>(since).count();
}

} // namespace pdx::platform
