#include "animation/picture/canvas_model.h"

#include <algorithm>
#include <bit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pdx::animation {
namespace {

// Records what the canvas asked of its window.
class RecordingOwner : public CanvasOwner {
public:
  void stopPreview() override { calls.push_back("stop"); }
  void pictureChanged() override { ++changes; }
  void changeFinished() override { calls.push_back("finished"); }
  void startSprayTimer() override { calls.push_back("timer on"); }
  void stopSprayTimer() override { calls.push_back("timer off"); }
  void textBoxChosen(Rect box) override { textBox = box; }
  void toolChanged(Tool tool) override { calls.push_back("tool " + std::to_string(static_cast<int>(tool))); }
  void pointerMoved(Point p) override { pointer = p; }

  std::vector<std::string> calls;
  int changes = 0;
  std::optional<Rect> textBox;
  Point pointer;
};

int countBlack(const CMonoPicture &p) {
  int n = 0;
  for (uint8_t byte : p.bits()) {
    n += std::popcount(byte);
  }
  return n;
}

class CanvasTest : public ::testing::Test {
protected:
  CanvasTest() : random_(11), canvas_(owner_, random_) { canvas_.SetPicture(&picture_); }

  void drag(Point from, Point to, bool left = true) {
    canvas_.ButtonDown(from, left);
    canvas_.MouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2});
    canvas_.MouseMove(to);
    canvas_.ButtonUp(to, left);
  }
  void click(Point at, bool left = true) {
    canvas_.ButtonDown(at, left);
    canvas_.ButtonUp(at, left);
  }

  RecordingOwner owner_;
  SystemRandom random_;
  CAnimation picture_;
  CanvasModel canvas_;
};

TEST_F(CanvasTest, PointClickSetsOnePixelAndDragDrawsALine) {
  canvas_.SetTool(1);
  click({7, 9});
  EXPECT_EQ(countBlack(picture_), 1);
  EXPECT_TRUE(picture_.pixel(7, 9));
  EXPECT_TRUE(picture_.modified());
  EXPECT_EQ(owner_.calls, (std::vector<std::string>{"stop", "finished"}));
  drag({20, 20}, {30, 20});
  EXPECT_EQ(countBlack(picture_), 1 + 11);
  drag({40, 40}, {40, 30}, false);
  click({7, 9}, false);
  EXPECT_EQ(countBlack(picture_), 11);
}

TEST_F(CanvasTest, ShapesAreRedrawnFromTheBaseUpToTheRelease) {
  canvas_.SetTool(2);
  click({5, 5});
  EXPECT_EQ(countBlack(picture_), 0) << "a line needs a drag";
  canvas_.ButtonDown({0, 0}, true);
  canvas_.MouseMove({20, 0});
  canvas_.MouseMove({0, 10});
  canvas_.ButtonUp({0, 10}, true);
  EXPECT_EQ(countBlack(picture_), 10) << "without its end point, and without the first move's line";
  picture_.setBits({});
  canvas_.SetTool(3);
  drag({10, 10}, {5, 20});
  EXPECT_EQ(countBlack(picture_), 2 * 6 + 2 * 9) << "a rectangle with both corners";
  picture_.setBits({});
  canvas_.SetTool(4);
  drag({10, 10}, {40, 30});
  EXPECT_TRUE(picture_.pixel(25, 10));
  EXPECT_FALSE(picture_.pixel(10, 10)) << "an ellipse inside its box";
}

TEST_F(CanvasTest, FillActsAtThePressOnly) {
  canvas_.SetTool(9);
  click({40, 40}, false);
  EXPECT_FALSE(picture_.modified()) << "white on white changes nothing";
  EXPECT_EQ(owner_.changes, 0);
  EXPECT_EQ(std::count(owner_.calls.begin(), owner_.calls.end(), "finished"), 0)
      << "and records no Undo step";
  canvas_.ButtonDown({0, 0}, true);
  EXPECT_EQ(countBlack(picture_), 96 * 51);
  canvas_.MouseMove({3, 3});
  canvas_.ButtonUp({3, 3}, true);
  canvas_.SetTool(9);
  click({50, 50}, false);
  EXPECT_EQ(countBlack(picture_), 0);
}

TEST_F(CanvasTest, SprayRunsItsTimerWhileHeld) {
  canvas_.SetTool(8);
  canvas_.ButtonDown({40, 25}, true);
  for (int i = 0; i < 6; ++i) {
    canvas_.Timer();
  }
  canvas_.ButtonUp({40, 25}, true);
  EXPECT_EQ(countBlack(picture_), 73);
  EXPECT_EQ(owner_.calls, (std::vector<std::string>{"stop", "timer on", "timer off", "finished"}));
  canvas_.Timer();
  EXPECT_EQ(countBlack(picture_), 73);
}

TEST_F(CanvasTest, TextClickMakesA52By27BoxClippedToThePicture) {
  canvas_.SetTool(7);
  click({10, 10});
  EXPECT_EQ(owner_.textBox, (Rect{10, 10, 62, 37}));
  canvas_.SetTool(7);
  click({60, 40});
  EXPECT_EQ(owner_.textBox, (Rect{60, 40, 96, 51}));
  canvas_.SetTool(7);
  drag({30, 30}, {20, 40});
  EXPECT_EQ(owner_.textBox, (Rect{30, 30, 82, 40}));
  canvas_.CancelText();
  EXPECT_EQ(canvas_.selection(), std::nullopt);
  EXPECT_EQ(countBlack(picture_), 0);
}

TEST_F(CanvasTest, TextIsLaidTransparentAndBecomesADraggableBlock) {
  picture_.setPixel(12, 11, true);
  canvas_.SetTool(7);
  drag({10, 10}, {20, 20});
  ASSERT_EQ(owner_.textBox, (Rect{10, 10, 20, 20}));
  EXPECT_TRUE(canvas_.textInkIsBlack());
  Block text = Block::filled(10, 10, false);
  text.set(0, 0, true);
  canvas_.PlaceText(text);
  EXPECT_TRUE(picture_.pixel(10, 10));
  EXPECT_TRUE(picture_.pixel(12, 11)) << "the text background is transparent";
  EXPECT_EQ(canvas_.tool(), Tool::BlockSelect);
  EXPECT_EQ(owner_.calls.back(), "finished");
  drag({15, 15}, {25, 15});
  EXPECT_TRUE(picture_.pixel(20, 10));
  EXPECT_FALSE(picture_.pixel(10, 10));
  EXPECT_TRUE(picture_.pixel(12, 11));
  EXPECT_EQ(canvas_.selection(), (Rect{20, 10, 30, 20}));
}

TEST_F(CanvasTest, RightButtonTextIsWhiteOnATransparentBlack) {
  for (int x = 0; x < 96; ++x) {
    picture_.setPixel(x, 5, true);
  }
  canvas_.SetTool(7);
  click({0, 0}, false);
  EXPECT_FALSE(canvas_.textInkIsBlack());
  Block text = Block::filled(52, 27, true);
  text.set(3, 5, false);
  canvas_.PlaceText(text);
  EXPECT_FALSE(picture_.pixel(3, 5));
  EXPECT_TRUE(picture_.pixel(4, 5)) << "the black text background is transparent";
  EXPECT_EQ(canvas_.selection(), (Rect{0, 0, 52, 27}));
}

TEST_F(CanvasTest, LiftedBlockLeavesWhiteBehindWhenDragged) {
  picture_.setPixel(5, 5, true);
  picture_.setPixel(28, 28, true);
  drag({0, 0}, {10, 10});
  EXPECT_EQ(canvas_.selection(), (Rect{0, 0, 10, 10}));
  EXPECT_EQ(countBlack(picture_), 2);
  owner_.calls.clear();
  canvas_.ButtonDown({5, 5}, true);
  canvas_.MouseMove({40, 15});
  canvas_.ButtonUp({30, 25}, true);
  EXPECT_FALSE(picture_.pixel(5, 5));
  EXPECT_TRUE(picture_.pixel(30, 25));
  EXPECT_FALSE(picture_.pixel(28, 28)) << "an opaque block covers what lies below";
  EXPECT_EQ(owner_.calls, (std::vector<std::string>{"finished"}));
}

TEST_F(CanvasTest, ClipboardCommands) {
  canvas_.Paste();
  EXPECT_EQ(owner_.changes, 0);
  picture_.setPixel(50, 30, true);
  canvas_.SetTool(1);
  canvas_.SelectAll();
  canvas_.Copy();
  EXPECT_EQ(canvas_.tool(), Tool::BlockSelect);
  EXPECT_EQ(canvas_.selection(), std::nullopt);
  EXPECT_TRUE(canvas_.clipboardHasContent());
  drag({40, 20}, {60, 40});
  canvas_.Cut();
  EXPECT_EQ(countBlack(picture_), 0);
  canvas_.Paste();
  EXPECT_TRUE(picture_.pixel(10, 10));
  EXPECT_EQ(canvas_.selection(), (Rect{0, 0, 20, 20}));
  canvas_.DeleteBlock();
  EXPECT_EQ(countBlack(picture_), 0);
  EXPECT_EQ(canvas_.selection(), std::nullopt);
}

TEST_F(CanvasTest, SelectingKeepsThePreviewAndEscapeKeepsTheBlockWhereItWasLaid) {
  picture_.setPixel(1, 1, true);
  drag({0, 0}, {3, 3});
  EXPECT_EQ(std::count(owner_.calls.begin(), owner_.calls.end(), "stop"), 0) << "selecting keeps the preview";
  canvas_.ClearSelection();
  EXPECT_TRUE(picture_.pixel(1, 1));
  canvas_.DeleteBlock();
  EXPECT_TRUE(picture_.pixel(1, 1));
}

TEST_F(CanvasTest, PressesOffThePictureAndUnknownToolsAreIgnored) {
  canvas_.SetTool(1);
  canvas_.SetTool(5);
  EXPECT_EQ(canvas_.tool(), Tool::Point);
  click({96, 10});
  click({-1, 10});
  EXPECT_EQ(countBlack(picture_), 0);
  EXPECT_FALSE(canvas_.buttonHeld());
  canvas_.MouseMove({100, 3});
  EXPECT_EQ(owner_.pointer, (Point{-1, -1}));
  canvas_.MouseMove({95, 50});
  EXPECT_EQ(owner_.pointer, (Point{95, 50}));
}

} // namespace
} // namespace pdx::animation
