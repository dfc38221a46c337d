#include "melody/file/test_melodies.h"
#include "melody/score/fake_score_host.h"
#include "melody/score/score_editor.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

class CursorTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::vector<NoteEntry> entries(10, note(1000, 3, 0));
    melody_.assignStored(entries);
    editor_.setMelody(&melody_);
  }
  std::pair<int, int> selection() const {
    return editor_.hasSelection() ? std::pair{editor_.selectionStart(), editor_.selectionEnd()}
                                  : std::pair{-1, -1};
  }

  CMelody melody_;
  FakeScoreHost host_;
  ScoreEditor editor_{host_};
};

TEST_F(CursorTest, PlainMovesStayInsideTheMelodyAndDropTheSelection) {
  EXPECT_EQ(editor_.cursor(), 10) << "a melody is shown with the cursor after its last entry";
  editor_.moveCursor(CursorMove::Right, false);
  EXPECT_EQ(editor_.cursor(), 10);
  editor_.moveCursor(CursorMove::Home, false);
  editor_.moveCursor(CursorMove::Left, false);
  EXPECT_EQ(editor_.cursor(), 0);
  editor_.SelectAll();
  editor_.moveCursor(CursorMove::End, false);
  EXPECT_EQ(editor_.cursor(), 10);
  EXPECT_FALSE(editor_.hasSelection());
}

TEST_F(CursorTest, ShiftExtendsFromWhereShiftWasFirstUsed) {
  editor_.setCursor(4);
  editor_.moveCursor(CursorMove::Right, true);
  editor_.moveCursor(CursorMove::Right, true);
  EXPECT_EQ(selection(), (std::pair{4, 6}));
  editor_.moveCursor(CursorMove::Left, true);
  editor_.moveCursor(CursorMove::Left, true);
  editor_.moveCursor(CursorMove::Left, true);
  EXPECT_EQ(selection(), (std::pair{3, 4}));
  editor_.moveCursor(CursorMove::Home, true);
  EXPECT_EQ(selection(), (std::pair{0, 4}));
  editor_.releaseShift();
  editor_.moveCursor(CursorMove::End, true);
  EXPECT_EQ(selection(), (std::pair{0, 10})) << "a new anchor where Shift was pressed again";
  editor_.moveCursor(CursorMove::Left, false);
  EXPECT_EQ(selection(), (std::pair{-1, -1}));
  EXPECT_EQ(editor_.cursor(), 9);
}

TEST_F(CursorTest, PagesMoveByTheVisibleWidth) {
  editor_.setCursor(0);
  editor_.moveCursor(CursorMove::PageDown, false, {3, {}});
  EXPECT_EQ(editor_.cursor(), 3);
  // Entries 20 pixels wide, every third one 40: a 50-pixel page.
  const PageMetric page{50, [](int i) { return i % 3 == 2 ? 40 : 20; }};
  editor_.moveCursor(CursorMove::PageDown, false, page);
  EXPECT_EQ(editor_.cursor(), 5) << "entries 3 and 4 (40 pixels) fit, entry 5 would not";
  editor_.moveCursor(CursorMove::PageUp, false, page);
  EXPECT_EQ(editor_.cursor(), 3);
  const PageMetric narrow{10, [](int) { return 40; }};
  editor_.moveCursor(CursorMove::PageUp, true, narrow);
  EXPECT_EQ(editor_.cursor(), 2) << "a page moves at least one entry";
  EXPECT_EQ(selection(), (std::pair{2, 3}));
  editor_.moveCursor(CursorMove::PageDown, false, {100, {}});
  EXPECT_EQ(editor_.cursor(), 10);
}

} // namespace
} // namespace pdx::melody
