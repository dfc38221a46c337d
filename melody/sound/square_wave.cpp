#include "melody/sound/square_wave.h"

#include <algorithm>

namespace pdx::melody {

void SquareWave::setFrequency(unsigned hz) {
  if (2 * static_cast<uint64_t>(hz) >= rate_) {
    hz = 0;
  }
  if (hz_ == 0) {
    phase_ = 0; // a new tone starts at the beginning of its cycle
  }
  hz_ = hz;
}

void SquareWave::render(std::span<int16_t> out) {
  if (hz_ == 0) {
    std::fill(out.begin(), out.end(), int16_t{0});
    return;
  }
  const double step = static_cast<double>(hz_) / rate_;
  for (int16_t &sample : out) {
    sample = phase_ < 0.5 ? amplitude_ : static_cast<int16_t>(-amplitude_);
    phase_ += step;
    if (phase_ >= 1.0) {
      phase_ -= 1.0;
    }
  }
}

} // namespace pdx::melody
