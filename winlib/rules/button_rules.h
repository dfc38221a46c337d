// The bitmap button's pure rules: which frame of its strip a state shows,
// and how presses change the state of sticky buttons. No widgets here, so
// that every case can be checked without a screen.
#pragma once

#include <cstdint>

namespace pdx::winlib {

// Style flags of a bitmap button.
enum ButtonStyle : uint32_t {
  kNoPressedLook = 0x0001,      // command on release inside, no pressed look
  kAnimated = 0x0002,           // a timer steps through the frames on hover
  kAnimateOnHover = 0x0004,     // with kAnimated: start on hover
  kHoverLook = 0x0008,          // hover look (with kHoverFrameAnimated/kHoverFrame)
  kHoverPressedLook = 0x0010,   // hover-pressed look (with kHoverFrame)
  kOpaque = 0x0020,             // frame copied without a transparent colour
  kSticky = 0x0040,             // a press sets the pressed state, which stays
  kStickyToggle = 0x0080,       // with kSticky: a press on a pressed button releases it
  kPressedFrame = 0x0100,       // no press offset; the strip has a pressed frame
  kDisabledFrame = 0x0200,      // the strip's last frame is the disabled look
  kHoverFrameAnimated = 0x0400, // separate hover frame when animated
  kHoverFrame = 0x0800,         // the strip has a hover frame
  kSizeFromFrame = 0x1000,      // size taken from one frame of the bitmap
  kRightAligned = 0x2000,       // with kSizeFromFrame: x is the right edge
  kBottomAligned = 0x4000,      // with kSizeFromFrame: y is the bottom edge
};

// The four styles the programs use.
inline constexpr uint32_t kPushStyle = 6440;         // normal, pressed, hover
inline constexpr uint32_t kPushDisabledStyle = 6952; // normal, pressed, hover, disabled
inline constexpr uint32_t kChoiceStyle = 4448;       // normal, (unused), pressed; sticky
inline constexpr uint32_t kToggleStyle = 4576;       // as kChoiceStyle, a second press releases

enum class ButtonState : int {
  Normal = 0,
  Pressed = 1,
  Disabled = 2,
  Animating = 3,
  Hover = 4,
  HoverPressed = 5,
};

// The frame of an N-frame strip that `state` shows under `style`.
// `animationFrame` is the timer's frame counter, used while animating.
// Always within 0..N-1 (0 for a strip of fewer frames than the style needs).
int selectFrame(uint32_t style, ButtonState state, int frameCount, int animationFrame = 0);

// True when the pressed look is drawn 2 pixels right and down.
bool drawsPressOffset(uint32_t style, ButtonState state);

// What a press on a sticky button does: the state after the press, and
// whether the command is sent.
struct StickyPress {
  ButtonState state;
  bool sendCommand;
};
StickyPress pressSticky(uint32_t style, ButtonState current);

} // namespace pdx::winlib
