#include "winlib/rules/button_rules.h"

#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

using S = ButtonState;

TEST(ButtonFrames, EachStyleShowsItsFrameForAState) {
  constexpr uint32_t kAnimatedHover = kAnimated | kAnimateOnHover | kHoverFrameAnimated | kPressedFrame;
  const struct {
    uint32_t style;
    S state;
    int frames;
    int counter;
    int expected;
  } cases[] = {
      {kPushStyle, S::Normal, 3, 0, 0},
      {kPushStyle, S::Pressed, 3, 0, 1},
      {kPushStyle, S::Hover, 3, 0, 2},
      {kPushStyle, S::HoverPressed, 3, 0, 2},
      {kPushStyle, S::Disabled, 3, 0, 0}, // without a disabled frame: the normal one
      {kPushDisabledStyle, S::Hover, 4, 0, 2},
      {kPushDisabledStyle, S::Disabled, 4, 0, 3},
      {kChoiceStyle, S::Pressed, 3, 0, 2}, // sticky styles skip the middle frame
      {kToggleStyle, S::Pressed, 3, 0, 2},
      {kToggleStyle, S::Hover, 3, 0, 0},
      {kChoiceStyle, S::Pressed, 2, 0, 1}, // the drawing tools' two frames
      {kAnimatedHover, S::Animating, 6, 4, 4},
      {kAnimatedHover, S::Animating, 6, 9, 0}, // the counter past the strip
      {kAnimatedHover, S::Pressed, 6, 0, 5},   // pressed frame 1 from the end
      {kAnimatedHover, S::Hover, 6, 0, 4},     // the separate hover frame 2 from the end
      {kAnimatedHover | kHoverFrame, S::Hover, 6, 0, 3},
      {kAnimatedHover | kHoverFrame, S::HoverPressed, 6, 0, 5},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(selectFrame(c.style, c.state, c.frames, c.counter), c.expected)
        << c.style << " state " << static_cast<int>(c.state) << " of " << c.frames;
  }
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
