#include "melody/file/test_melodies.h"
#include "melody/score/fake_score_host.h"
#include "melody/score/score_editor.h"

#include <gtest/gtest.h>
#include <random>

namespace pdx::melody {
namespace {

using namespace testing;

class ScoreEditorTest : public ::testing::Test {
protected:
  void SetUp() override { editor_.setMelody(&melody_); }
  std::vector<uint16_t> codes() const {
    std::vector<uint16_t> out;
    for (const NoteEntry &e : melody_.entries()) {
      out.push_back(e.code);
    }
    return out;
  }
  void use(const std::vector<NoteEntry> &entries) {
    melody_ = makeMelody(entries);
    editor_.setMelody(&melody_);
  }

  CMelody melody_;
  FakeScoreHost host_;
  ScoreEditor editor_{host_};
};

TEST_F(ScoreEditorTest, EnteredNotesUseTheToolsOnce) {
  editor_.chooseNoteTool(kHalfNote);
  editor_.toggleDotted();
  editor_.setAccidental(Accidental::Sharp);
  ASSERT_TRUE(editor_.EnterNote(3, 0));
  EXPECT_EQ(melody_.at(0), (NoteEntry{3000, 0x31}));
  EXPECT_FALSE(editor_.dotted());
  EXPECT_EQ(editor_.accidental(), Accidental::None);
  EXPECT_EQ(editor_.noteTool(), kHalfNote);
  ASSERT_TRUE(editor_.EnterNote(3, 2));
  EXPECT_EQ(melody_.at(1), (NoteEntry{2000, 0x32}));
  editor_.toggleDotted();
  editor_.chooseNoteTool(kWholeNote);
  EXPECT_FALSE(editor_.dotted()) << "a whole note is never dotted";
  editor_.toggleDotted();
  ASSERT_TRUE(editor_.EnterRest(kEighthRest));
  EXPECT_EQ(melody_.at(2), (NoteEntry{750, kRest}));
  EXPECT_EQ(editor_.noteTool(), kWholeNote) << "rest tools leave the note tool";
  ASSERT_TRUE(editor_.EnterLeftRepeat());
  ASSERT_TRUE(editor_.EnterRightRepeat());
  ASSERT_TRUE(editor_.EnterBar());
  melody_.SetKey(10);
  ASSERT_TRUE(editor_.EnterPitch(2, 5)) << "the piano ignores the key";
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x31, 0x32, kRest, kLeftRepeat, kRightRepeat, kBarLine, 0x25}));
  EXPECT_EQ(melody_.at(3).duration, 0);
  EXPECT_EQ(editor_.cursor(), 7);
  EXPECT_TRUE(melody_.modified());
  EXPECT_EQ(host_.rewinds, 7);
}

TEST_F(ScoreEditorTest, BothLimitsAreCheckedBeforeInserting) {
  use(entriesOfLength(496));
  ASSERT_EQ(melody_.at(melody_.count() - 1).duration, 500);
  editor_.chooseNoteTool(kQuarterNote);
  EXPECT_FALSE(editor_.EnterNote(3, 0)) << "a change of duration would reach 498";
  EXPECT_EQ(host_.messages, std::vector<std::string>{std::string(kCannotAddMore)});
  EXPECT_EQ(host_.silenced, 1);
  editor_.chooseNoteTool(kEighthNote);
  EXPECT_TRUE(editor_.EnterNote(3, 0));
  EXPECT_EQ(melody_.encodedLength(), 497);

  use(std::vector<NoteEntry>(kMaxEntries - 1, mark(kBarLine)));
  EXPECT_TRUE(editor_.EnterBar());
  EXPECT_FALSE(editor_.EnterBar()) << "the 1025th entry, though it costs nothing";
  EXPECT_EQ(melody_.count(), kMaxEntries);
}

TEST_F(ScoreEditorTest, NothingIsInsertedWhilePlaying) {
  host_.playing = true;
  editor_.setAccidental(Accidental::Flat);
  EXPECT_FALSE(editor_.EnterNote(3, 0));
  EXPECT_FALSE(editor_.EnterRest(kQuarterRest));
  EXPECT_FALSE(editor_.EnterBar());
  EXPECT_EQ(melody_.count(), 0);
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_EQ(editor_.accidental(), Accidental::Flat);
}

TEST_F(ScoreEditorTest, SeparateModePutsRestsBetweenEqualNotes) {
  editor_.setSeparateRepeatedNotes(true);
  ASSERT_TRUE(editor_.EnterNote(3, 0));
  ASSERT_TRUE(editor_.EnterNote(3, 0));
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x30, kRest, 0x30}));
  EXPECT_EQ(melody_.at(1).duration, kThirtySecond);
  EXPECT_EQ(editor_.cursor(), 3);
  editor_.setCursor(0);
  ASSERT_TRUE(editor_.EnterNote(3, 0));
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x30, kRest, 0x30, kRest, 0x30}));
  EXPECT_EQ(editor_.cursor(), 2) << "the cursor passes the note and its separator";
  editor_.setCursor(5);
  ASSERT_TRUE(editor_.EnterRest(kQuarterRest));
  ASSERT_TRUE(editor_.EnterNote(3, 0));
  EXPECT_EQ(melody_.count(), 7) << "a rest between equal notes needs no separator";
}

TEST_F(ScoreEditorTest, ASeparatorThatNoLongerFitsIsLeftOut) {
  use(entriesOfLength(495));
  editor_.setSeparateRepeatedNotes(true);
  editor_.chooseNoteTool(kEighthNote);
  editor_.setCursor(melody_.count() - 1);
  ASSERT_EQ(melody_.at(melody_.count() - 1).code, kLeftRepeat);
  ASSERT_TRUE(editor_.EnterNote(3, 0)) << "the note fits, its separator does not";
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_EQ(melody_.encodedLength(), 497);
  EXPECT_EQ(melody_.at(melody_.count() - 2), note(500, 3, 0));
}

// A bar entered at the cursor, or the entry before the cursor erased, moves
// the selection with the entries it covers.
TEST_F(ScoreEditorTest, EditsBeforeTheSelectionMoveIt) {
  const struct {
    bool insert;
    int cursor, start, end;
    int movedStart, movedEnd;
  } cases[] = {{true, 1, 1, 3, 2, 4}, {false, 1, 2, 4, 1, 3}};
  for (const auto &c : cases) {
    use({note(1000, 3, 0), note(1000, 3, 2), note(1000, 3, 4), note(1000, 3, 5)});
    editor_.setCursor(c.cursor);
    editor_.setSelection(c.start, c.end);
    if (c.insert) {
      ASSERT_TRUE(editor_.EnterBar());
    } else {
      editor_.Backspace();
    }
    EXPECT_EQ(editor_.selectionStart(), c.movedStart) << c.insert;
    EXPECT_EQ(editor_.selectionEnd(), c.movedEnd) << c.insert;
  }
}

TEST_F(ScoreEditorTest, RandomInsertionsKeepTheEncodedLengthExact) {
  std::mt19937 random(7);
  const std::vector<NoteEntry> pool = {note(1000, 3, 0), note(500, 3, 0), rest(1000),     mark(kLeftRepeat),
                                       mark(kBarLine),   {250, 0xC9},     note(250, 4, 4)};
  editor_.setSeparateRepeatedNotes(true);
  for (int round = 0; round < 400; ++round) {
    std::vector<NoteEntry> block(1 + random() % 3);
    for (NoteEntry &e : block) {
      e = pool[random() % pool.size()];
    }
    editor_.InsertEntries(static_cast<int>(random() % (melody_.count() + 1)), block);
    ASSERT_EQ(melody_.encodedLength(), encodedLengthOf(melody_.entries())) << "round " << round;
    ASSERT_LT(melody_.encodedLength(), kEncodedLimit);
  }
}

TEST_F(ScoreEditorTest, BackspaceAndDeleteAroundTheCursor) {
  use({note(1000, 3, 0), note(500, 3, 2), note(1000, 3, 4), note(1000, 3, 5)});
  editor_.DeleteForward(); // nothing after the cursor
  editor_.setCursor(0);
  editor_.Backspace(); // nothing before it
  EXPECT_FALSE(editor_.DeleteEntries(3, 2));
  EXPECT_EQ(host_.rewinds, 0);
  editor_.setCursor(2);
  editor_.Backspace();
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x30, 0x34, 0x35}));
  EXPECT_EQ(editor_.cursor(), 1);
  EXPECT_EQ(melody_.encodedLength(), 4);
  editor_.DeleteForward();
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x30, 0x35}));
  EXPECT_EQ(host_.rewinds, 2);
  host_.playing = true;
  editor_.Backspace();
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x35}));
  EXPECT_EQ(host_.rewinds, 2) << "no rewind under the running player";
}

TEST_F(ScoreEditorTest, DeleteWithTheCursorInsideTheSelectionRemovesIt) {
  use({note(1000, 3, 0), note(1000, 3, 2), note(1000, 3, 4), note(1000, 3, 5), note(1000, 3, 7)});
  editor_.setCursor(2);
  editor_.setSelection(1, 4);
  editor_.DeleteForward();
  EXPECT_EQ(codes(), (std::vector<uint16_t>{0x30, 0x37}));
  EXPECT_FALSE(editor_.hasSelection());
  EXPECT_EQ(editor_.cursor(), 1);
}

TEST_F(ScoreEditorTest, TempoAndKeyStayInTheirLists) {
  EXPECT_FALSE(editor_.SetTempo(29));
  EXPECT_FALSE(editor_.SetTempo(256));
  EXPECT_FALSE(melody_.modified());
  EXPECT_TRUE(editor_.SetTempo(255));
  EXPECT_EQ(melody_.tempo(), 255);
  EXPECT_FALSE(editor_.SetKey(4));
  EXPECT_TRUE(editor_.SetKey(17));
  EXPECT_EQ(melody_.key(), 17);
}

TEST_F(ScoreEditorTest, ThreeCtrlRInARowToggleTheSeparateMode) {
  editor_.noteKeyPress(true);
  editor_.noteKeyPress(true);
  editor_.noteKeyPress(false);
  editor_.noteKeyPress(true);
  EXPECT_FALSE(editor_.separateRepeatedNotes());
  editor_.noteKeyPress(true);
  editor_.noteKeyPress(true);
  EXPECT_TRUE(editor_.separateRepeatedNotes());
  for (int i = 0; i < 3; ++i) {
    editor_.noteKeyPress(true);
  }
  EXPECT_FALSE(editor_.separateRepeatedNotes());
}

} // namespace
} // namespace pdx::melody
