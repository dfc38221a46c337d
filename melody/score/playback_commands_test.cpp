#include "core/base/virtual_event_loop.h"
#include "melody/file/test_melodies.h"
#include "melody/player/recording_output.h"
#include "melody/score/playback_commands.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

// The window's side: the score host reaches the same player.
class PlayerHost : public ScoreHost {
public:
  explicit PlayerHost(CMelodyPlayer &player) : player_(player) {}
  bool isPlaying() const override { return player_.playing(); }
  void silence() override {}
  void rewindPlayer() override { player_.Rewind(); }
  void showMessage(std::string_view) override {}
  bool askYesNo(std::string_view) override { return true; }

private:
  CMelodyPlayer &player_;
};

class PlaybackCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    melody_ = makeMelody({note(1000, 3, 0), note(1000, 3, 2), note(1000, 3, 4), note(1000, 3, 5)});
    editor_.setMelody(&melody_);
  }
  void after(Millis span, std::function<void()> action) { loop_.startTimer(span, false, std::move(action)); }

  VirtualEventLoop loop_;
  RecordingOutput out_{loop_};
  CMelodyPlayer player_{loop_, out_};
  PlayerHost host_{player_};
  ScoreEditor editor_{host_};
  PlaybackCommands commands_{player_, editor_};
  CMelody melody_;
};

TEST_F(PlaybackCommandsTest, PauseLeavesTheCursorWherePlayResumes) {
  after(Millis(1200), [&] { commands_.pause(); });
  EXPECT_FALSE(commands_.play());
  EXPECT_EQ(editor_.cursor(), 3);
  EXPECT_TRUE(commands_.play());
  EXPECT_EQ(out_.tones(), (std::vector<unsigned>{523, 587, 659, 698}));
}

TEST_F(PlaybackCommandsTest, StopReturnsTheCursorToTheStart) {
  after(Millis(700), [&] { commands_.stop(); });
  EXPECT_FALSE(commands_.play());
  EXPECT_EQ(editor_.cursor(), 0);
  EXPECT_EQ(player_.position(), 0);
}

TEST_F(PlaybackCommandsTest, GoToStartWaitsForThePlayerToStop) {
  after(Millis(700), [&] {
    commands_.goToStart();
    EXPECT_EQ(player_.position(), 2) << "ignored while playing";
    commands_.pause();
  });
  commands_.play();
  commands_.goToStart();
  EXPECT_EQ(player_.position(), 0);
  EXPECT_EQ(editor_.cursor(), 0);
}

} // namespace
} // namespace pdx::melody
