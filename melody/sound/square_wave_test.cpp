#include "melody/sound/measure.h"
#include "melody/sound/square_wave.h"

#include <gtest/gtest.h>
#include <vector>

namespace pdx::melody {
namespace {

using testing::measuredFrequency;

TEST(SquareWave, SoundsAtTheAskedFrequency) {
  for (unsigned hz : {392u, 880u, 923u, 1475u, 3136u}) {
    SquareWave wave(44100);
    wave.setFrequency(hz);
    std::vector<int16_t> samples(44100);
    wave.render(samples);
    EXPECT_NEAR(measuredFrequency(samples, 44100), hz, 1.0) << hz;
  }
}

TEST(SquareWave, RetuningKeepsThePhase) {
  SquareWave wave(8000, 100);
  wave.setFrequency(1000); // 8 samples a cycle
  std::vector<int16_t> first(6);
  wave.render(first);
  wave.setFrequency(500); // 16 samples a cycle, continuing at 3/4 of a cycle
  std::vector<int16_t> second(6);
  wave.render(second);
  EXPECT_EQ(first, (std::vector<int16_t>{100, 100, 100, 100, -100, -100}));
  EXPECT_EQ(second, (std::vector<int16_t>{-100, -100, -100, -100, 100, 100}))
      << "the low half goes on without restarting the cycle";
}

TEST(SquareWave, SilenceAndUnrepresentableFrequenciesAreZero) {
  SquareWave wave(8000);
  std::vector<int16_t> samples(64, 1);
  wave.render(samples);
  EXPECT_EQ(samples, std::vector<int16_t>(64, 0));
  wave.setFrequency(4000);
  wave.render(samples);
  EXPECT_EQ(samples, std::vector<int16_t>(64, 0));
  EXPECT_EQ(wave.frequency(), 0u);
  wave.setFrequency(440);
  wave.render(samples);
  EXPECT_GT(samples[0], 0) << "a new tone starts its cycle";
}

} // namespace
} // namespace pdx::melody
