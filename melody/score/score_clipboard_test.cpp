#include "melody/file/test_melodies.h"
#include "melody/score/fake_score_host.h"
#include "melody/score/score_editor.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

class ClipboardTest : public ::testing::Test {
protected:
  void use(const CMelody &m) {
    melody_ = m;
    editor_.setMelody(&melody_);
  }
  std::vector<int> pitches() const {
    std::vector<int> out;
    for (const NoteEntry &e : melody_.entries()) {
      out.push_back(kindOf(e.code) == EntryKind::Note ? pitchOf(e.code) : -static_cast<int>(e.code));
    }
    return out;
  }

  CMelody melody_;
  FakeScoreHost host_;
  ScoreEditor editor_{host_};
};

TEST_F(ClipboardTest, TransposeAsksBeforeLeavingThePlayableRange) {
  use(makeMelody({note(1000, 5, 7), rest(1000), note(1000, 4, 0), note(1000, 3, 0)}));
  editor_.setSelection(0, 3);
  host_.answer = false;
  EXPECT_FALSE(editor_.Transpose(+1));
  EXPECT_EQ(host_.questions, std::vector<std::string>{std::string(kOutOfRangeQuestion)});
  EXPECT_FALSE(melody_.modified());
  host_.answer = true;
  EXPECT_TRUE(editor_.Transpose(+1));
  EXPECT_EQ(pitches(), (std::vector<int>{67, -kRest, 49, 36})) << "67 stays, the last note is outside";
  EXPECT_TRUE(melody_.modified());
  EXPECT_EQ(melody_.at(2), note(1000, 4, 1));
}

TEST_F(ClipboardTest, TransposeWithoutSelectionMovesEveryNoteQuietly) {
  use(makeMelody({note(1000, 3, 11), mark(kBarLine), note(500, 2, 7)}));
  EXPECT_TRUE(editor_.Transpose(+1));
  EXPECT_TRUE(editor_.Transpose(-1));
  EXPECT_TRUE(host_.questions.empty());
  EXPECT_EQ(pitches(), (std::vector<int>{47, -kBarLine, 31}));
  EXPECT_TRUE(editor_.Transpose(-1));
  EXPECT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(pitches(), (std::vector<int>{46, -kBarLine, 31})) << "clamped after the Yes";
  use(makeMelody({rest(1000)}));
  EXPECT_TRUE(editor_.Transpose(1));
  EXPECT_FALSE(melody_.modified()) << "no note was processed";
}

TEST_F(ClipboardTest, CutAndPasteMoveEntriesAndPasteRepeats) {
  use(makeMelody({note(1000, 3, 0), note(1000, 3, 2), note(500, 3, 4), note(500, 3, 5)}));
  editor_.setSelection(1, 3);
  editor_.Cut();
  EXPECT_EQ(pitches(), (std::vector<int>{36, 41}));
  EXPECT_EQ(editor_.cursor(), 1);
  EXPECT_FALSE(editor_.hasSelection());
  editor_.setCursor(2);
  editor_.Paste();
  editor_.Paste();
  EXPECT_EQ(pitches(), (std::vector<int>{36, 41, 38, 40, 38, 40}));
  EXPECT_EQ(editor_.cursor(), 6);
  EXPECT_EQ(melody_.encodedLength(), encodedLengthOf(melody_.entries()));
}

TEST_F(ClipboardTest, PasteOverASelectionReplacesIt) {
  use(makeMelody({note(1000, 3, 0), note(1000, 3, 2), note(1000, 3, 4), note(1000, 3, 5)}));
  editor_.setSelection(0, 1);
  editor_.Copy();
  editor_.setCursor(2);
  editor_.setSelection(1, 3);
  editor_.Paste();
  EXPECT_EQ(pitches(), (std::vector<int>{36, 36, 41}));
  EXPECT_EQ(editor_.cursor(), 2);
  EXPECT_FALSE(editor_.hasSelection());
}

TEST_F(ClipboardTest, ARefusedPasteKeepsTheSelection) {
  use(makeMelody(entriesOfLength(480))); // of the 497 bytes
  editor_.setSelection(0, 20);
  editor_.Copy();
  editor_.setSelection(0, 1);
  host_.playing = true;
  editor_.Paste();
  EXPECT_TRUE(host_.messages.empty()) << "ignored while playing";
  host_.playing = false;
  editor_.Paste();
  EXPECT_EQ(host_.messages, std::vector<std::string>{std::string(kCannotAddMore)});
  EXPECT_EQ(melody_.count(), 240);
  EXPECT_TRUE(editor_.hasSelection());
}

TEST_F(ClipboardTest, CopyLeavesOutWhatDoesNotFitAndSurvivesAMelodyChange) {
  use(makeMelody(entriesOfLength(600, true))); // longer than an edit may make it
  editor_.SelectAll();
  editor_.Copy();
  // 248 notes reach 496; the 249th (a change of duration) is left out, the
  // 250th (same duration as the last copied) still fits.
  EXPECT_EQ(editor_.clipboard().encodedLength(), 497);
  EXPECT_EQ(editor_.clipboard().count(), 300 + 249) << "every bar is kept";
  CMelody other;
  editor_.setMelody(&other);
  EXPECT_FALSE(editor_.clipboard().empty());
  EXPECT_EQ(editor_.cursor(), 0);
}

} // namespace
} // namespace pdx::melody
