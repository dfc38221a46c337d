#include "core/base/test_support.h"
#include "melody/sound/alsa_output.h"
#include "melody/sound/pc_speaker_output.h"
#include "melody/sound/tone_output_factory.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

namespace fs = std::filesystem;

TEST(ToneDevices, APcSpeakerIsOnlyAnInputDeviceThatSoundsTones) {
  const TempDir dir;
  fs::create_directories(dir / "by-path");
  std::ofstream(dir / "event0") << "not a device";
  std::ofstream(dir / "by-path" / "platform-pcspkr-event-spkr") << "not a device";
  EXPECT_EQ(PcSpeakerOutput::open(dir), nullptr);
  EXPECT_EQ(PcSpeakerOutput::open(dir / "missing"), nullptr);
}

TEST(ToneDevices, AMissingSoundCardIsReportedNotFatal) {
  EXPECT_EQ(AlsaToneOutput::open("pdx_no_such_device"), nullptr);
  char buffer[256] = {};
  FILE *messages = fmemopen(buffer, sizeof buffer - 1, "w");
  auto silent = openToneOutput(ToneDevice::Silent, messages);
  std::fclose(messages);
  ASSERT_NE(silent, nullptr);
  silent->toneOn(440);
  silent->toneOff();
  EXPECT_STREQ(buffer, "") << "choosing silence is no failure";
}

// ALSA's "null" device accepts sound like a card and discards it, so the
// worker thread runs for real without any sound hardware.
TEST(ToneDevices, TheSoundCardOutputKeepsFeedingUntilClosed) {
  auto card = AlsaToneOutput::open("null");
  if (card == nullptr) {
    GTEST_SKIP() << "ALSA has no null device here";
  }
  card->toneOn(880);
  card->toneOn(923);
  card->toneOff();
  card->toneOn(392);
  const auto start = std::chrono::steady_clock::now();
  card.reset(); // stops the worker mid-tone
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

} // namespace
} // namespace pdx::melody
