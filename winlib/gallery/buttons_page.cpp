// Each button style the programs use, in each state.
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/gallery/gallery.h"

#include <QPainter>

namespace pdx::winlib::gallery {

namespace {

struct Style {
  const char *name;
  uint32_t style;
  std::vector<std::pair<int, int>> buttons; // bitmap, frames
};

const std::pair<ButtonState, const char *> kStates[] = {
    {ButtonState::Normal, "보통"},         {ButtonState::Hover, "마우스 위"},
    {ButtonState::Pressed, "눌림"},        {ButtonState::HoverPressed, "마우스 위 눌림"},
    {ButtonState::Disabled, "사용 안 함"},
};

// The button drawn over the silver of a window, as it appears on a page.
QImage shot(uint32_t style, int bitmap, int frames, ButtonState state) {
  QWidget host;
  host.setAutoFillBackground(true);
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(0xe6, 0xea, 0xf0));
  host.setPalette(palette);
  auto *button = new CBmpButton(&host);
  button->Create(style, QRect(6, 6, 0, 0), &host, bitmap, bitmap, frames);
  button->SetState(state);
  host.resize(button->width() + 12, button->height() + 12);
  return host.grab().toImage();
}

} // namespace

void renderButtons(Output &out) {
  const Style styles[] = {
      {"6440", kPushStyle, {{resources::kButtonCancel, 3}, {4404, 3}, {4486, 3}, {3100, 3}}},
      {"6952", kPushDisabledStyle, {{resources::kButtonOk, 4}, {4408, 4}, {4612, 4}, {3120, 4}}},
      {"4448", kChoiceStyle, {{4435, 3}, {4441, 3}, {4628, 2}, {4629, 2}}},
      {"4576", kToggleStyle, {{4421, 3}, {4477, 3}, {4479, 3}, {4481, 3}}},
  };
  for (const Style &style : styles) {
    std::vector<std::pair<QString, QImage>> items;
    for (const auto &[bitmap, frames] : style.buttons) {
      for (const auto &[state, label] : kStates) {
        items.emplace_back(QStringLiteral("%1 %2").arg(bitmap).arg(QString::fromUtf8(label)),
                           shot(style.style, bitmap, frames, state));
      }
    }
    out.save(QStringLiteral("buttons-%1").arg(QString::fromLatin1(style.name)), sheet(items, 5));
  }
}

} // namespace pdx::winlib::gallery
