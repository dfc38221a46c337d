// Geometry of the skinned message box: its size from the measured text, its
// buttons by type, their places, and the places of the icon and the lines.
// Plain values in, plain values out, so the layout is checked without a
// screen.
#pragma once

#include "core/base/message_box_codes.h"

#include <cstdint>
#include <vector>

namespace pdx::winlib {

using enum MessageBoxType;
using enum MessageBoxResult;

enum class MessageBoxIcon { None, Stop, Question, Exclamation, Information };

struct MbRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const MbRect &) const = default;
};

struct MbButton {
  int result;     // kIdOk, ...
  int bitmap;     // 5000 OK, 5001 Cancel, 5002 Yes, 5003 No, 5004 Retry
  uint32_t style; // the first button 6952, the others 6440
  int frames;     // 4 for the first button, 3 for the others
  MbRect rect;
};

struct MbLine {
  int x = 0;
  int y = 0;
};

// Measured text, split at line feeds: the widest line, the height of all
// lines as drawn (each further line its height plus 5 pixels lower), and
// each line's width.
struct MbTextSize {
  int width = 0;
  int height = 0;
  std::vector<int> lineWidths;
  int lineHeight = 0;
};

// The measure of lines of the given widths, each `lineHeight` high.
MbTextSize measuredLines(std::vector<int> lineWidths, int lineHeight);

struct MessageBoxLayout {
  int width = 0;
  int height = 0;
  MessageBoxIcon icon = MessageBoxIcon::None;
  MbRect iconRect;
  std::vector<MbLine> lines; // top-left of each text line
  std::vector<MbButton> buttons;
};

inline constexpr int kMbIconSize = 32;
// Room kept between the buttons and the box's edges.
inline constexpr int kMbButtonMargin = 8;

// The frame band below the white panel, and the rule drawn near its bottom
// edge: the buttons stand centred between the panel and the rule, clear of
// both.
inline constexpr int kMbFooterHeight = 52;
inline constexpr int kMbFooterRule = 10;
int buttonRowTop(int boxHeight, int buttonHeight);

// The buttons of a type, left to right, without places.
std::vector<MbButton> messageBoxButtons(uint32_t type);
MessageBoxIcon messageBoxIcon(uint32_t type);

// The whole layout. With an icon, the icon and its gap count as part of the
// text's width, and the lines stand centred in a column right of the icon. The box is widened beyond the
// text's rule only when its buttons would not fit inside it. `buttonWidth` and `buttonHeight` are the size of
// one frame of the button bitmaps.
MessageBoxLayout layoutMessageBox(const MbTextSize &text, uint32_t type, int buttonWidth, int buttonHeight);

// Top-left of a box of `width` x `height` centred on `area`.
MbRect centreIn(const MbRect &area, int width, int height);

} // namespace pdx::winlib
