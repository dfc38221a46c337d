#include "winlib/rules/message_box_layout.h"

#include "winlib/rules/button_rules.h"

#include <algorithm>
#include <utility>

namespace pdx::winlib {

namespace {

MbButton button(int result, int bitmap) {
  return {result, bitmap, kPushStyle, 3, {}};
}

void placeButtons(std::vector<MbButton> &buttons, int boxWidth, int top, int w, int h) {
  const int centre = boxWidth / 2;
  std::vector<int> lefts;
  if (buttons.size() == 1) {
    lefts = {centre - w / 2 + 20};
  } else if (buttons.size() == 2) {
    lefts = {centre - 10 - w, centre + 50};
  } else if (buttons.size() == 3) {
    const int middle = centre - w / 2 + 20;
    lefts = {middle - 30 - w, middle, middle + w + 30};
  }
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i].rect = {lefts[i], top, w, h};
  }
}

// The smallest box width at which the buttons stand inside the box with
// kMbButtonMargin to spare (three buttons beside each other would reach past
// the edges of a narrow box otherwise).
int widthForButtons(std::vector<MbButton> buttons, int buttonWidth) {
  int width = 0;
  for (;;) {
    placeButtons(buttons, width, 0, buttonWidth, 0);
    const int left = buttons.front().rect.x;
    const int right = buttons.back().rect.x + buttonWidth;
    if (left >= kMbButtonMargin && right <= width - kMbButtonMargin) {
      return width;
    }
    width += 2;
  }
}

} // namespace

std::vector<MbButton> messageBoxButtons(uint32_t type) {
  std::vector<MbButton> buttons;
  switch (type & 0x0F) {
  case kMbOkCancel:
    buttons = {button(kIdOk, 5000), button(kIdCancel, 5001)};
    break;
  case kMbYesNoCancel:
    buttons = {button(kIdYes, 5002), button(kIdNo, 5003), button(kIdCancel, 5001)};
    break;
  case kMbYesNo:
    buttons = {button(kIdYes, 5002), button(kIdNo, 5003)};
    break;
  case kMbRetryCancel:
    buttons = {button(kIdRetry, 5004), button(kIdCancel, 5001)};
    break;
  default:
    buttons = {button(kIdOk, 5000)};
    break;
  }
  buttons.front().style = kPushDisabledStyle;
  buttons.front().frames = 4;
  return buttons;
}

MessageBoxIcon messageBoxIcon(uint32_t type) {
  switch (type & 0xF0) {
  case kMbIconStop:
    return MessageBoxIcon::Stop;
  case kMbIconQuestion:
    return MessageBoxIcon::Question;
  case kMbIconExclamation:
    return MessageBoxIcon::Exclamation;
  case kMbIconInformation:
    return MessageBoxIcon::Information;
  default:
    return MessageBoxIcon::None;
  }
}

MessageBoxLayout layoutMessageBox(const MbTextSize &text, uint32_t type, int buttonWidth, int buttonHeight) {
  MessageBoxLayout layout;
  layout.icon = messageBoxIcon(type);
  layout.buttons = messageBoxButtons(type);
  const bool hasIcon = layout.icon != MessageBoxIcon::None;
  const int iconExtra = hasIcon ? kMbIconSize + 10 : 0;
  // The icon stands beside the first line, so it counts as part of the
  // text's width; a box sized to the text alone would push the line to the
  // edge.
  const int w = text.width + iconExtra;
  layout.width = w >= 140 ? w + 60 : 200;
  layout.width = std::max(layout.width, widthForButtons(layout.buttons, buttonWidth));
  layout.height = text.height + (layout.buttons.empty() ? 100 : 130);

  // With an icon every line stands in a column right of it, centred in that
  // column, so that further lines never run under the icon.
  const int columnLeft = (layout.width - (text.width + iconExtra)) / 2 + iconExtra;
  if (hasIcon) {
    const int iconTop = 50 + text.lineHeight / 2 - kMbIconSize / 2;
    layout.iconRect = {columnLeft - iconExtra, iconTop, kMbIconSize, kMbIconSize};
  }
  int y = 50;
  for (const int lineWidth : text.lineWidths) {
    const int x = hasIcon ? columnLeft + (text.width - lineWidth) / 2 : (layout.width - lineWidth) / 2;
    layout.lines.push_back({x, y});
    y += text.lineHeight + 5;
  }
  placeButtons(layout.buttons, layout.width, buttonRowTop(layout.height, buttonHeight), buttonWidth,
               buttonHeight);
  return layout;
}

int buttonRowTop(int boxHeight, int buttonHeight) {
  return boxHeight - kMbFooterHeight + (kMbFooterHeight - kMbFooterRule - buttonHeight) / 2;
}

MbTextSize measuredLines(std::vector<int> lineWidths, int lineHeight) {
  MbTextSize size;
  for (int w : lineWidths) {
    size.width = std::max(size.width, w);
  }
  const int n = static_cast<int>(lineWidths.size());
  size.height = n > 0 ? n * lineHeight + (n - 1) * 5 : 0;
  size.lineWidths = std::move(lineWidths);
  size.lineHeight = lineHeight;
  return size;
}

MbRect centreIn(const MbRect &area, int width, int height) {
  return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width, height};
}

} // namespace pdx::winlib
