#include "features/sms/ui/sms_menu_page.h"

#include "features/sms/ui/button_keys.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

namespace pdx::features {

namespace {

struct MenuButton {
  CSmsMenuPage::Command command;
  QPoint at;
  int bitmap; // a skin button picture of the program
  int frames;
  const char *name;
};

constexpr int kEnvelopeButton = 3240;
constexpr int kBackButton = 4361;
constexpr int kExitButton = 4360;

const MenuButton kButtons[] = {
    {CSmsMenuPage::kReceived,
     {116, 139},
     kEnvelopeButton,
     4,
     QT_TRANSLATE_NOOP("pdx::features::CSmsMenuPage", "문자 메시지 확인")},
    {CSmsMenuPage::kSent,
     {116, 236},
     kEnvelopeButton,
     4,
     QT_TRANSLATE_NOOP("pdx::features::CSmsMenuPage", "문자 메시지 발신")},
    {CSmsMenuPage::kBack,
     {478, 383},
     kBackButton,
     3,
     QT_TRANSLATE_NOOP("pdx::features::CSmsMenuPage", "이전")},
    {CSmsMenuPage::kExit,
     {540, 383},
     kExitButton,
     3,
     QT_TRANSLATE_NOOP("pdx::features::CSmsMenuPage", "종료")},
};

} // namespace

CSmsMenuPage::CSmsMenuPage(std::map<int, std::function<void()>> handlers, QWidget *parent)
    : handlers_(std::move(handlers)) {
  Create(tr("단문 메시지"), resources::kPageSms, parent);
  for (const MenuButton &b : kButtons) {
    auto *button = new winlib::CBmpButton(this);
    button->Create(b.frames == 4 ? winlib::kPushDisabledStyle : winlib::kPushStyle, QRect(b.at, QSize()),
                   this, b.command, b.bitmap, b.frames);
    button->setAccessibleName(tr(b.name));
    button->Enable(handlers_.count(b.command) != 0);
    buttons_[b.command] = button;
  }
  (new ButtonKeys(this))->addAll();
  buttons_[kReceived]->setFocus();
}

void CSmsMenuPage::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand) {
    return CBmpWnd::OnCommand(id, code);
  }
  const auto it = handlers_.find(id);
  if (it != handlers_.end() && it->second) {
    it->second();
  }
}

} // namespace pdx::features
