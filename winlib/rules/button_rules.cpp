#include "winlib/rules/button_rules.h"

namespace pdx::winlib {

namespace {

bool isPressedLike(ButtonState state) {
  return state == ButtonState::Pressed || state == ButtonState::HoverPressed;
}

int fromEnd(int frameCount, int d) {
  const int frame = frameCount - d;
  return frame >= 0 && frame < frameCount ? frame : 0;
}

} // namespace

int selectFrame(uint32_t style, ButtonState state, int frameCount, int animationFrame) {
  if (frameCount <= 1) {
    return 0;
  }
  if (state == ButtonState::Normal) {
    return 0;
  }
  if (state == ButtonState::Animating) {
    return animationFrame >= 0 && animationFrame < frameCount ? animationFrame : 0;
  }
  if (state == ButtonState::Disabled) {
    return (style & kDisabledFrame) ? frameCount - 1 : 0;
  }
  int d = (style & kDisabledFrame) ? 1 : 0;
  if (style & kHoverFrame) {
    d += 1;
    const bool hoverShown = state == ButtonState::Hover && !(style & kHoverFrameAnimated);
    if (hoverShown || state == ButtonState::HoverPressed) {
      return fromEnd(frameCount, d);
    }
  }
  if (style & kPressedFrame) {
    d += 1;
    if (state == ButtonState::Pressed) {
      return fromEnd(frameCount, d);
    }
  }
  if ((style & kHoverFrameAnimated) && state == ButtonState::Hover) {
    d += 1;
    return fromEnd(frameCount, d);
  }
  return 0;
}

bool drawsPressOffset(uint32_t style, ButtonState state) {
  return !(style & kPressedFrame) && isPressedLike(state);
}

StickyPress pressSticky(uint32_t style, ButtonState current) {
  if ((style & kStickyToggle) && isPressedLike(current)) {
    return {ButtonState::Normal, true};
  }
  return {ButtonState::Pressed, true};
}

} // namespace pdx::winlib
