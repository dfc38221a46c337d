#include "core/base/test_support.h"
#include "melody/file/test_melodies.h"
#include "melody/sound/measure.h"
#include "melody/sound/melody_renderer.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

// C major from C of octave 3 to C of octave 4, quarter notes at 120.
CMelody scale() {
  return makeMelody({note(1000, 3, 0), note(1000, 3, 2), note(1000, 3, 4), note(1000, 3, 5), note(1000, 3, 7),
                     note(1000, 3, 9), note(1000, 3, 11), note(1000, 4, 0)},
                    120);
}
const std::vector<unsigned> kScaleHz = {523, 587, 659, 698, 784, 880, 988, 1047};

std::vector<int16_t> samplesOf(const ToneTimeline &timeline, unsigned rate) {
  std::vector<int16_t> all;
  synthesize(timeline, rate, [&](std::span<const int16_t> s) { all.insert(all.end(), s.begin(), s.end()); });
  return all;
}

TEST(MelodyRenderer, TimelineFollowsThePlayer) {
  const ToneTimeline timeline = playOffline(
      makeMelody({mark(kLeftRepeat), note(500, 3, 9), mark(kRightRepeat), rest(1000), note(188, 2, 7)}, 255),
      Millis(600000));
  EXPECT_EQ(
      timeline.events,
      (std::vector<ToneEvent>{
          {Millis(0), 880}, {Millis(117), 880}, {Millis(234), 0}, {Millis(469), 392}, {Millis(513), 0}}));
  EXPECT_EQ(timeline.length, Millis(513));
}

TEST(MelodyRenderer, EveryToneSoundsAtItsTableFrequencyForItsLength) {
  const ToneTimeline timeline = playOffline(scale(), Millis(600000));
  const std::vector<int16_t> samples = samplesOf(timeline, 44100);
  ASSERT_EQ(samples.size(), sampleCount(timeline, 44100));
  ASSERT_EQ(samples.size(), 8u * 22050u);
  for (size_t i = 0; i < kScaleHz.size(); ++i) {
    const auto note = std::span<const int16_t>(samples).subspan(i * 22050, 22050);
    EXPECT_NEAR(measuredFrequency(note, 44100), kScaleHz[i], 3.0) << "note " << i;
  }
}

TEST(MelodyRenderer, MelodiesThatNeverEndStopAfterTenMinutes) {
  const ToneTimeline endless =
      playOffline(makeMelody({note(1000, 3, 0), mark(kEndMark)}, 255), Millis(600000));
  EXPECT_EQ(endless.length, Millis(600000));
  EXPECT_EQ(sampleCount(endless, 8000), 600u * 8000u);
  EXPECT_EQ(endless.events.back(), (ToneEvent{Millis(600000), 0}));
}

TEST(MelodyRenderer, WavHeaderDescribes16BitMono) {
  const std::vector<uint8_t> header = wavHeader(44100, 1000);
  const std::string_view expected(
      "RIFF\xF4\x07\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0"
      "data\xD0\x07\0\0",
      44);
  EXPECT_EQ(std::string(header.begin(), header.end()), expected);
}

TEST(MelodyRenderer, WritesTheWholeFileOrNothing) {
  const TempDir dir;
  ASSERT_EQ(renderToWav(scale(), dir / "scale.wav", {22050, Millis(600000)}), DocResult::Ok);
  const auto bytes = readWholeFile<std::vector<uint8_t>>(dir / "scale.wav");
  const std::vector<int16_t> samples = samplesOf(playOffline(scale(), Millis(600000)), 22050);
  ASSERT_EQ(bytes.size(), 44u + 2u * samples.size());
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 44), wavHeader(22050, samples.size()));
  for (size_t i = 0; i < samples.size(); ++i) { // 16-bit little-endian
    ASSERT_EQ(static_cast<int16_t>(bytes[44 + 2 * i] | bytes[45 + 2 * i] << 8), samples[i]) << "sample " << i;
  }
  EXPECT_EQ(renderToWav(scale(), dir / "missing" / "x.wav", {}), DocResult::CannotCreate);
}

} // namespace
} // namespace pdx::melody
