// The time left of a long exchange, estimated from the pace so far, as the
// wait window says it.
#pragma once

#include <cstdint>
#include <string>

namespace pdx::winlib {

// "남은 시간 약 12초", "남은 시간 약 1분 5초"; empty while nothing is done
// yet (no pace to go by) and once everything is. Seconds are rounded up.
std::string timeLeftText(int done, int total, int64_t elapsedMs);

} // namespace pdx::winlib
