#include "core/base/virtual_event_loop.h"
#include "melody/file/test_melodies.h"
#include "melody/player/melody_player.h"
#include "melody/player/recording_output.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

// Four notes told apart by their frequencies.
const NoteEntry A = note(1000, 3, 0), B = note(1000, 3, 2), C = note(1000, 3, 4), D = note(1000, 3, 5);
constexpr unsigned fA = 523, fB = 587, fC = 659, fD = 698;
const NoteEntry L = mark(kLeftRepeat), R = mark(kRightRepeat), E = mark(kEndMark), bar = mark(kBarLine);

class PlayerTest : public ::testing::Test {
protected:
  std::vector<unsigned> play(CMelody m, int start = 0, int end = -1) {
    melody_ = m;
    player_.SetMelody(&melody_);
    reachedEnd_ = player_.Play(start, end);
    return out_.tones();
  }
  // Calls `action` once `span` has passed on the loop's clock.
  void after(Millis span, std::function<void()> action) { loop_.startTimer(span, false, std::move(action)); }

  VirtualEventLoop loop_;
  RecordingOutput out_{loop_};
  CMelody melody_;
  CMelodyPlayer player_{loop_, out_};
  bool reachedEnd_ = false;
};

TEST_F(PlayerTest, NotesLastTheirTicksAtTheTempoAndRestsAreSilent) {
  melody_ = makeMelody({A, rest(500), note(188, 3, 9), B}, 120);
  player_.SetMelody(&melody_);
  EXPECT_TRUE(player_.Play(0, -1));
  EXPECT_EQ(
      out_.events(),
      (std::vector<ToneEvent>{
          {Millis(0), fA}, {Millis(500), 0}, {Millis(750), 880}, {Millis(844), fB}, {Millis(1344), 0}}));
  EXPECT_FALSE(player_.playing());
  EXPECT_EQ(player_.position(), 4);
}

TEST_F(PlayerTest, RepeatSignsAndSelectionsDecideWhatSounds) {
  const struct {
    CMelody melody;
    int from, to;
    std::vector<unsigned> tones;
  } cases[] = {
      {makeMelody({A, L, B, bar, C, R, D}), 0, -1, {fA, fB, fC, fB, fC, fD}},
      {makeMelody({A, B, R, C}), 0, -1, {fA, fB, fA, fB, fC}}, // no left sign: from the start, once
      {makeMelody({L, A, R, L, B, R}), 0, -1, {fA, fA, fB, fB}},
      {makeMelody({L, A, L, B, R, C, R, D}),
       0,
       -1,
       {fA, fB, fB, fC, fB, fB, fC, fD}}, // to the nearest left sign
      {makeMelody({A, A, A, B, C, D, A}), 3, 6, {fB, fC, fD}},
  };
  for (const auto &c : cases) {
    out_.clear();
    EXPECT_EQ(play(c.melody, c.from, c.to), c.tones);
    EXPECT_EQ(player_.repeatCount(), 0);
  }
}

TEST_F(PlayerTest, AnEndMarkPlaysOnUntilStopped) {
  after(Millis(3200), [&] { player_.Stop(); });
  EXPECT_EQ(play(makeMelody({A, B, E})), (std::vector<unsigned>{fA, fB, fA, fB, fA, fB, fA}));
  EXPECT_FALSE(reachedEnd_);
  EXPECT_EQ(player_.position(), 0);
  EXPECT_EQ(out_.events().back(), (ToneEvent{Millis(3200), 0}));
}

TEST_F(PlayerTest, LoopsWithNothingThatLastsEndOnTheirOwn) {
  play(makeMelody({bar, E}));
  EXPECT_FALSE(reachedEnd_);
  play(makeMelody({note(0, 3, 0), L, R, E}));
  EXPECT_FALSE(reachedEnd_);
  EXPECT_EQ(loop_.now(), Millis(0));
}

TEST_F(PlayerTest, PauseKeepsThePositionAndResumesAfterIt) {
  melody_ = makeMelody({A, B, C, D, A, B, C, D});
  player_.SetMelody(&melody_);
  after(Millis(2200), [&] { player_.Pause(); }); // during the 5th entry
  EXPECT_FALSE(player_.Play(0, -1));
  EXPECT_EQ(player_.position(), 5);
  EXPECT_EQ(out_.events().back(), (ToneEvent{Millis(2200), 0}));
  const size_t before = out_.tones().size();
  EXPECT_TRUE(playFromEditor(player_, {false, 0, 0, 5}));
  const auto tones = out_.tones();
  EXPECT_EQ(std::vector<unsigned>(tones.begin() + static_cast<long>(before), tones.end()),
            (std::vector<unsigned>{fB, fC, fD}));
}

TEST_F(PlayerTest, ResumingKeepsTheRepeatMemoryAndMovingTheCursorClearsIt) {
  melody_ = makeMelody({L, A, B, R, C});
  player_.SetMelody(&melody_);
  after(Millis(1700), [&] { player_.Pause(); }); // in the second pass, on B
  player_.Play(0, -1);
  ASSERT_EQ(player_.repeatCount(), 1);
  ASSERT_EQ(player_.position(), 3);
  EXPECT_TRUE(playFromEditor(player_, {false, 0, 0, 3}));
  EXPECT_EQ(out_.tones(), (std::vector<unsigned>{fA, fB, fA, fB, fC})) << "no third pass";

  out_.clear();
  after(Millis(1700), [&] { player_.Pause(); });
  player_.Play(0, -1);
  EXPECT_TRUE(playFromEditor(player_, {false, 0, 0, 2}));
  EXPECT_EQ(out_.tones(), (std::vector<unsigned>{fA, fB, fA, fB, fB, fA, fB, fC}))
      << "started at the cursor with a fresh memory";
}

TEST_F(PlayerTest, TheEditorsPlayCommandChoosesWhereToStart) {
  melody_ = makeMelody({A, B, C, D});
  player_.SetMelody(&melody_);
  EXPECT_TRUE(playFromEditor(player_, {false, 0, 0, 4}));
  EXPECT_EQ(out_.tones().size(), 4u) << "the cursor at the end plays from the first entry";
  EXPECT_TRUE(playFromEditor(player_, {false, 0, 0, 2}));
  EXPECT_EQ(out_.tones().size(), 6u);
  EXPECT_TRUE(playFromEditor(player_, {true, 1, 2, 0}));
  EXPECT_EQ(out_.tones().back(), fB);
  EXPECT_EQ(out_.tones().size(), 7u);
}

TEST_F(PlayerTest, StopAndRewindForgetThePosition) {
  melody_ = makeMelody({L, A, R});
  player_.SetMelody(&melody_);
  after(Millis(700), [&] { player_.Pause(); });
  player_.Play(0, -1);
  EXPECT_EQ(player_.repeatCount(), 1);
  player_.Rewind();
  EXPECT_EQ(player_.position(), 0);
  EXPECT_EQ(player_.repeatCount(), 0);
  player_.SetMelody(nullptr);
  EXPECT_FALSE(player_.Play(0, -1));
}

TEST(RepeatMemory, ForgetsTheMostRecentSignAndHoldsAHundred) {
  RepeatMemory memory;
  EXPECT_TRUE(memory.remember(4));
  EXPECT_TRUE(memory.remember(9));
  EXPECT_TRUE(memory.forgetIfRemembered(4));
  EXPECT_EQ(memory.count(), 1);
  EXPECT_FALSE(memory.forgetIfRemembered(9)) << "9 was the most recent and went instead of 4";
  EXPECT_TRUE(memory.forgetIfRemembered(4));
  for (int i = 0; i < RepeatMemory::kCapacity; ++i) {
    ASSERT_TRUE(memory.remember(i));
  }
  EXPECT_FALSE(memory.remember(500));
  EXPECT_EQ(memory.count(), 100);
  EXPECT_FALSE(memory.forgetIfRemembered(500));
  memory.clear();
  EXPECT_EQ(memory.count(), 0);
}

} // namespace
} // namespace pdx::melody
