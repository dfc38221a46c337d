// A square-wave tone generator that keeps its phase when retuned, so a
// change of pitch has no click or gap.
#pragma once

#include <cstdint>
#include <span>

namespace pdx::melody {

class SquareWave {
public:
  explicit SquareWave(unsigned sampleRate, int16_t amplitude = 8000)
      : rate_(sampleRate), amplitude_(amplitude) {}

  // 0 silences. Frequencies at or above half the sample rate cannot be
  // represented and are silent too.
  void setFrequency(unsigned hz);
  unsigned frequency() const { return hz_; }
  // Fills `out` with the next samples.
  void render(std::span<int16_t> out);

private:
  unsigned rate_;
  int16_t amplitude_;
  unsigned hz_ = 0;
  double phase_ = 0; // fraction of a cycle, 0 to 1
};

} // namespace pdx::melody
