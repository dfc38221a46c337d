// Measuring rendered sound in tests: a square wave's frequency from its
// rising zero crossings.
#pragma once

#include <cstdint>
#include <span>

namespace pdx::melody::testing {

inline double measuredFrequency(std::span<const int16_t> samples, unsigned rate) {
  int rising = 0;
  for (size_t i = 1; i < samples.size(); ++i) {
    if (samples[i - 1] < 0 && samples[i] > 0) {
      ++rising;
    }
  }
  return rising * static_cast<double>(rate) / static_cast<double>(samples.size());
}

} // namespace pdx::melody::testing
