#include "core/base/virtual_event_loop.h"
#include "melody/file/melody.h"
#include "melody/player/recording_output.h"
#include "melody/player/tone.h"
#include "melody/player/tone_timer.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

TEST(ToneTable, HoldsThePhonesFrequencies) {
  const std::tuple<int, int, unsigned> table[] = {{3, 9, 880}, {3, 10, 923},  {4, 6, 1475}, {0, 0, 65},
                                                  {2, 9, 440}, {5, 11, 3951}, {6, 0, 4186}, {8, 9, 3520 * 8}};
  for (auto [octave, semitone, hz] : table) {
    EXPECT_EQ(noteFrequency(octave, semitone), hz) << octave << " " << semitone;
  }
  EXPECT_EQ(noteFrequency(3, 12), noteFrequency(4, 0)) << "semitone 12 is the next octave's C";
  EXPECT_GT(noteFrequency(0xFFF, 15), 0u) << "any code has some frequency";
}

TEST(ToneRoutine, SoundTurnsCodesIntoToneChanges) {
  VirtualEventLoop loop;
  RecordingOutput out(loop);
  Sound(out, 0x39);
  Sound(out, kLeftRepeat);
  Sound(out, kRightRepeat);
  Sound(out, kEndMark);
  Sound(out, kRest);
  Sound(out, 0x20);
  EXPECT_EQ(out.events(), (std::vector<ToneEvent>{{Millis(0), 880}, {Millis(0), 0}, {Millis(0), 262}}));
}

TEST(ToneTimer, NoteLengthsFollowTheTempo) {
  VirtualEventLoop loop;
  CToneTimer timer(loop);
  timer.setTempo(120);
  EXPECT_EQ(timer.noteLength(1000), Millis(500));
  timer.setTempo(30);
  EXPECT_EQ(timer.noteLength(1000), Millis(2000));
  timer.setTempo(255);
  EXPECT_EQ(timer.noteLength(188), Millis(44));
  timer.WaitTicks(188);
  EXPECT_EQ(loop.now(), Millis(44));
  timer.setTempo(0);
  EXPECT_EQ(timer.noteLength(1000), Millis(60000)) << "a tempo of 0 plays as 1";
}

TEST(ToneTimer, CancelEndsTheWaitEarly) {
  VirtualEventLoop loop;
  CToneTimer timer(loop);
  timer.setTempo(60);
  loop.startTimer(Millis(300), false, [&] { timer.Cancel(); });
  timer.WaitTicks(4000);
  EXPECT_EQ(loop.now(), Millis(300));
  EXPECT_FALSE(timer.waiting());
}

TEST(ToneTimer, OtherTimersDoNotShortenTheWait) {
  VirtualEventLoop loop;
  CToneTimer timer(loop);
  timer.setTempo(120);
  int ticks = 0;
  loop.startTimer(Millis(30), true, [&] { ++ticks; });
  timer.WaitTicks(1000);
  EXPECT_EQ(loop.now(), Millis(500));
  EXPECT_EQ(ticks, 16);
}

} // namespace
} // namespace pdx::melody
