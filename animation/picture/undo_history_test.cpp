#include "animation/picture/undo_history.h"

#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

CMonoPicture::Bits state(uint8_t n) {
  CMonoPicture::Bits bits{};
  bits[0] = n;
  return bits;
}

class UndoHistoryTest : public ::testing::Test {
protected:
  // As when an animation becomes current: its picture is the first state.
  void SetUp() override {
    history_.Clear();
    history_.Push(state(0));
  }
  CUndoHistory history_;
  CMonoPicture::Bits out_{};
};

TEST_F(UndoHistoryTest, UndoAndRedoWalkTheStatesAndANewChangeDropsTheRedos) {
  EXPECT_FALSE(history_.Undo(out_)) << "the first state cannot be undone";
  history_.Push(state(1));
  history_.Push(state(2));
  for (uint8_t expected : {1, 0}) {
    ASSERT_TRUE(history_.Undo(out_));
    EXPECT_EQ(out_, state(expected));
  }
  EXPECT_FALSE(history_.CanUndo());
  for (uint8_t expected : {1, 2}) {
    ASSERT_TRUE(history_.Redo(out_));
    EXPECT_EQ(out_, state(expected));
  }
  EXPECT_FALSE(history_.Redo(out_));
  ASSERT_TRUE(history_.Undo(out_));
  history_.Push(state(3));
  EXPECT_FALSE(history_.CanRedo());
  ASSERT_TRUE(history_.Undo(out_));
  EXPECT_EQ(out_, state(1));
}

TEST_F(UndoHistoryTest, AfterOneHundredFiftyChangesNinetyNineUndos) {
  for (int i = 1; i <= 150; ++i) {
    history_.Push(state(static_cast<uint8_t>(i)));
  }
  EXPECT_EQ(history_.size(), 100u);
  int undos = 0;
  while (history_.Undo(out_)) {
    ++undos;
  }
  EXPECT_EQ(undos, 99);
  EXPECT_EQ(out_, state(51));
}

} // namespace
} // namespace pdx::animation
