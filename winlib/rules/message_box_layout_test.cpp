#include "winlib/rules/message_box_layout.h"

#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

constexpr int kButtonW = 42;
constexpr int kButtonH = 22;

MessageBoxLayout layoutFor(std::vector<int> widths, uint32_t type) {
  return layoutMessageBox(measuredLines(std::move(widths), 15), type, kButtonW, kButtonH);
}

TEST(MessageBoxLayout, WidthFollowsTheTextAboveAMinimum) {
  EXPECT_EQ(layoutFor({100}, kMbOk).width, 200);
  EXPECT_EQ(layoutFor({300}, kMbOk).width, 360);
  EXPECT_EQ(layoutFor({139}, kMbOk).width, 200);
  EXPECT_EQ(layoutFor({140}, kMbOk).width, 200);
  EXPECT_EQ(layoutFor({141}, kMbOk).width, 201);
  EXPECT_EQ(layoutFor({80, 250, 120}, kMbOk).width, 310) << "widest line counts";
  EXPECT_EQ(layoutFor({300}, kMbOk | kMbIconStop).width, 300 + kMbIconSize + 10 + 60);
  EXPECT_EQ(layoutFor({80}, kMbOk | kMbIconStop).width, 200);
}

TEST(MessageBoxLayout, HeightAddsLinesAndGaps) {
  EXPECT_EQ(layoutFor({100}, kMbOk).height, 15 + 130);
  EXPECT_EQ(layoutFor({100, 100, 100}, kMbOk).height, 3 * 15 + 2 * 5 + 130);
}

TEST(MessageBoxLayout, ButtonSetsByType) {
  auto results = [](uint32_t type) {
    std::vector<int> r;
    for (const MbButton &b : messageBoxButtons(type)) {
      r.push_back(b.result);
    }
    return r;
  };
  EXPECT_EQ(results(kMbOk), (std::vector<int>{kIdOk}));
  EXPECT_EQ(results(kMbOkCancel | kMbIconQuestion), (std::vector<int>{kIdOk, kIdCancel}));
  EXPECT_EQ(results(kMbYesNo), (std::vector<int>{kIdYes, kIdNo}));
  EXPECT_EQ(results(kMbYesNoCancel), (std::vector<int>{kIdYes, kIdNo, kIdCancel}));
  EXPECT_EQ(results(kMbRetryCancel), (std::vector<int>{kIdRetry, kIdCancel}));

  const auto buttons = messageBoxButtons(kMbYesNoCancel);
  EXPECT_EQ(buttons[0].bitmap, 5002);
  EXPECT_EQ(buttons[1].bitmap, 5003);
  EXPECT_EQ(buttons[2].bitmap, 5001);
  EXPECT_EQ(buttons[0].style, 6952u);
  EXPECT_EQ(buttons[0].frames, 4);
  EXPECT_EQ(buttons[1].style, 6440u);
  EXPECT_EQ(buttons[2].frames, 3);
}

TEST(MessageBoxLayout, ButtonPlacesAroundTheCentre) {
  const MessageBoxLayout one = layoutFor({300}, kMbOk); // 360 wide, centre 180
  EXPECT_EQ(one.buttons[0].rect,
            (MbRect{180 - 21 + 20, buttonRowTop(one.height, kButtonH), kButtonW, kButtonH}));

  const MessageBoxLayout two = layoutFor({300}, kMbOkCancel);
  EXPECT_EQ(two.buttons[0].rect.x + kButtonW, 170);
  EXPECT_EQ(two.buttons[1].rect.x, 230);

  const MessageBoxLayout three = layoutFor({300}, kMbYesNoCancel);
  const int middle = 180 - 21 + 20;
  EXPECT_EQ(three.buttons[1].rect.x, middle);
  EXPECT_EQ(three.buttons[0].rect.x + kButtonW, middle - 30);
  EXPECT_EQ(three.buttons[2].rect.x, middle + kButtonW + 30);
}

TEST(MessageBoxLayout, NarrowBoxesWidenOnlyWhenTheirButtonsWouldNotFit) {
  EXPECT_EQ(layoutFor({100}, kMbOkCancel).width, 200) << "two buttons fit";
  const MessageBoxLayout three = layoutFor({100}, kMbYesNoCancel);
  EXPECT_GT(three.width, 200);
  EXPECT_GE(three.buttons.front().rect.x, kMbButtonMargin);
  EXPECT_LE(three.buttons.back().rect.x + kButtonW, three.width - kMbButtonMargin);
  EXPECT_EQ(layoutFor({300}, kMbYesNoCancel).width, 360) << "wide text keeps its rule";
}

TEST(MessageBoxLayout, LinesCentredAndIconBesideTheFirst) {
  const MessageBoxLayout plain = layoutFor({100, 60}, kMbOk);
  EXPECT_EQ(plain.icon, MessageBoxIcon::None);
  EXPECT_EQ(plain.lines[0].x, 50);
  EXPECT_EQ(plain.lines[0].y, 50);
  EXPECT_EQ(plain.lines[1].x, 70);
  EXPECT_EQ(plain.lines[1].y, 50 + 15 + 5);

  const MessageBoxLayout stop = layoutFor({200}, kMbOk | kMbIconStop);
  EXPECT_EQ(stop.icon, MessageBoxIcon::Stop);
  EXPECT_EQ(stop.lines[0].x, stop.iconRect.x + kMbIconSize + 10);
  EXPECT_EQ(stop.iconRect.y + kMbIconSize / 2, 50 + 15 / 2) << "centred on the line";
  EXPECT_EQ(stop.iconRect.x, (stop.width - (200 + kMbIconSize + 10)) / 2);

  const MessageBoxLayout question = layoutFor({120, 240, 60}, kMbOkCancel | kMbIconQuestion);
  const int column = question.iconRect.x + kMbIconSize + 10;
  EXPECT_EQ(question.lines[1].x, column) << "the widest line starts at the column";
  EXPECT_EQ(question.lines[0].x, column + 60);
  EXPECT_EQ(question.lines[2].x, column + 90);
  EXPECT_EQ(question.lines[2].y, 50 + 2 * (15 + 5));
}

TEST(MessageBoxLayout, IconByTheSecondNibble) {
  EXPECT_EQ(messageBoxIcon(0x20), MessageBoxIcon::Question);
  EXPECT_EQ(messageBoxIcon(0x31), MessageBoxIcon::Exclamation);
  EXPECT_EQ(messageBoxIcon(0x44), MessageBoxIcon::Information);
  EXPECT_EQ(messageBoxIcon(0x50), MessageBoxIcon::None);
}

TEST(MessageBoxLayout, CentringOnAnArea) {
  EXPECT_EQ(centreIn({100, 50, 600, 460}, 200, 160), (MbRect{300, 200, 200, 160}));
}

} // namespace
} // namespace pdx::winlib
