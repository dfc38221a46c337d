#include "winlib/rules/button_rules.h"

#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

using S = ButtonState;

TEST(ButtonFrames, PushStyleShowsNormalPressedHover) {
  EXPECT_EQ(selectFrame(kPushStyle, S::Normal, 3), 0);
  EXPECT_EQ(selectFrame(kPushStyle, S::Pressed, 3), 1);
  EXPECT_EQ(selectFrame(kPushStyle, S::Hover, 3), 2);
  EXPECT_EQ(selectFrame(kPushStyle, S::HoverPressed, 3), 2);
  // Without a disabled frame the disabled look is the normal frame.
  EXPECT_EQ(selectFrame(kPushStyle, S::Disabled, 3), 0);
}

TEST(ButtonFrames, PushDisabledStyleUsesItsLastFrameWhenDisabled) {
  EXPECT_EQ(selectFrame(kPushDisabledStyle, S::Normal, 4), 0);
  EXPECT_EQ(selectFrame(kPushDisabledStyle, S::Pressed, 4), 1);
  EXPECT_EQ(selectFrame(kPushDisabledStyle, S::Hover, 4), 2);
  EXPECT_EQ(selectFrame(kPushDisabledStyle, S::Disabled, 4), 3);
}

TEST(ButtonFrames, StickyStylesSkipTheMiddleFrame) {
  for (uint32_t style : {kChoiceStyle, kToggleStyle}) {
    EXPECT_EQ(selectFrame(style, S::Normal, 3), 0);
    EXPECT_EQ(selectFrame(style, S::Pressed, 3), 2);
    EXPECT_EQ(selectFrame(style, S::Hover, 3), 0);
  }
  // The drawing tools use the choice style with two frames.
  EXPECT_EQ(selectFrame(kChoiceStyle, S::Pressed, 2), 1);
}

TEST(ButtonFrames, AnimationAndSeparateHoverFrame) {
  const uint32_t animated = kAnimated | kAnimateOnHover | kHoverFrameAnimated | kPressedFrame;
  EXPECT_EQ(selectFrame(animated, S::Animating, 6, 4), 4);
  EXPECT_EQ(selectFrame(animated, S::Animating, 6, 9), 0) << "counter past the strip";
  // d: pressed frame 1, separate hover frame 2.
  EXPECT_EQ(selectFrame(animated, S::Pressed, 6), 5);
  EXPECT_EQ(selectFrame(animated, S::Hover, 6), 4);
  // With both hover flags, hover uses the animated hover frame.
  EXPECT_EQ(selectFrame(animated | kHoverFrame, S::Hover, 6), 3);
  EXPECT_EQ(selectFrame(animated | kHoverFrame, S::HoverPressed, 6), 5);
}

TEST(ButtonFrames, ShortStripsNeverIndexOutside) {
  for (int n = 0; n <= 2; ++n) {
    for (int state = 0; state <= 5; ++state) {
      const int frame = selectFrame(kPushDisabledStyle, static_cast<S>(state), n, 7);
      EXPECT_GE(frame, 0);
      EXPECT_LT(frame, std::max(n, 1));
    }
  }
}

TEST(ButtonFrames, PressOffsetOnlyWithoutPressedFrame) {
  EXPECT_FALSE(drawsPressOffset(kPushStyle, S::Pressed));
  EXPECT_TRUE(drawsPressOffset(kHoverFrame, S::Pressed));
  EXPECT_TRUE(drawsPressOffset(0, S::HoverPressed));
  EXPECT_FALSE(drawsPressOffset(0, S::Hover));
}

TEST(StickyButtons, ChoiceStaysPressedToggleReleases) {
  StickyPress first = pressSticky(kChoiceStyle, S::Normal);
  StickyPress second = pressSticky(kChoiceStyle, first.state);
  EXPECT_EQ(second.state, S::Pressed);
  EXPECT_TRUE(first.sendCommand && second.sendCommand);

  first = pressSticky(kToggleStyle, S::Normal);
  EXPECT_EQ(first.state, S::Pressed);
  second = pressSticky(kToggleStyle, first.state);
  EXPECT_EQ(second.state, S::Normal);
  EXPECT_TRUE(second.sendCommand);
}

} // namespace
} // namespace pdx::winlib
