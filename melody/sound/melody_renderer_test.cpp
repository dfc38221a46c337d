#include "melody/file/test_melodies.h"
#include "melody/sound/measure.h"
#include "melody/sound/melody_renderer.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

namespace pdx::melody {
namespace {

namespace fs = std::filesystem;
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

class RenderFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("pdx-render-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(RenderFileTest, WritesTheWholeFileOrNothing) {
  const fs::path wav = dir_ / "scale.wav";
  ASSERT_EQ(renderToWav(scale(), wav, {22050, Millis(600000)}), DocResult::Ok);
  EXPECT_EQ(fs::file_size(wav), 44u + 2u * 8u * 11025u);
  EXPECT_EQ(renderToWav(scale(), dir_ / "missing" / "x.wav", {}), DocResult::CannotCreate);
}

std::string runSox(const std::string &arguments) {
  FILE *pipe = ::popen(("sox " + arguments + " 2>&1").c_str(), "r");
  std::string output;
  char line[256];
  while (pipe != nullptr && std::fgets(line, sizeof line, pipe)) {
    output += line;
  }
  if (pipe != nullptr) {
    ::pclose(pipe);
  }
  return output;
}

// sox's own measurements: the file's length, and each note's frequency once
// a low-pass filter has left only the square wave's fundamental.
TEST_F(RenderFileTest, SoxMeasuresTheTableFrequenciesAndLengths) {
  if (std::system("command -v sox >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "sox is not installed";
  }
  const fs::path wav = dir_ / "scale.wav";
  ASSERT_EQ(renderToWav(scale(), wav, {}), DocResult::Ok);
  const std::string quoted = "'" + wav.string() + "'";
  EXPECT_NEAR(std::stod(runSox("--i -D " + quoted)), 4.0, 1e-6);
  for (size_t i = 0; i < kScaleHz.size(); ++i) {
    const std::string stat = runSox(quoted + " -n trim " + std::to_string(i * 0.5 + 0.05) + " 0.4 sinc -" +
                                    std::to_string(kScaleHz[i] * 2) + " stat");
    double hz = 0;
    const size_t at = stat.find("Rough   frequency:");
    ASSERT_NE(at, std::string::npos) << stat;
    std::sscanf(stat.c_str() + at, "Rough frequency: %lf", &hz);
    EXPECT_NEAR(hz, kScaleHz[i], kScaleHz[i] * 0.005) << "note " << i;
  }
}

} // namespace
} // namespace pdx::melody
