#include "apps/pelodex/ui/main_menu_page.h"

#include "link/ui/link_status_indicator.h"
#include "winlib/bmp_button.h"

namespace pdx::pelodex {

namespace {

struct MenuButton {
  int command;
  QPoint at;
  bool offline; // usable without the phone
};

constexpr MenuButton kButtons[] = {
    {MainMenuPage::kPhonebook, {28, 80}, true},        {MainMenuPage::kSms, {28, 139}, false},
    {MainMenuPage::kMelody, {28, 198}, false},         {MainMenuPage::kAnimation, {28, 256}, false},
    {MainMenuPage::kAlarms, {224, 80}, false},         {MainMenuPage::kDataService, {224, 139}, false},
    {MainMenuPage::kPhoneSettings, {224, 198}, false}, {MainMenuPage::kHelp, {461, 384}, true},
    {MainMenuPage::kExit, {530, 384}, true},
};

} // namespace

MainMenuPage::MainMenuPage(link::LinkStatus &status, bool offline,
                           std::map<int, std::function<void()>> handlers)
    : status_(status), offline_(offline), handlers_(std::move(handlers)) {}

bool MainMenuPage::IsEnabled(int command) const {
  for (const MenuButton &b : kButtons) {
    if (b.command == command) {
      return handlers_.count(command) != 0 && (b.offline || !offline_);
    }
  }
  return false;
}

void MainMenuPage::OnCreate() {
  for (const MenuButton &b : kButtons) {
    auto *button = new winlib::CBmpButton(this);
    button->setObjectName(QString::number(b.command));
    // The feature buttons have a disabled look; help and exit are always on.
    const bool feature = b.command != kHelp && b.command != kExit;
    button->Create(feature ? winlib::kPushDisabledStyle : winlib::kPushStyle, QRect(b.at, QSize()), this,
                   b.command, b.command, feature ? 4 : 3);
    button->Enable(IsEnabled(b.command));
    buttons_[b.command] = button;
  }
  new link::LinkStatusIndicator(this, status_);
}

void MainMenuPage::SetOffline(bool offline) {
  offline_ = offline;
  for (const auto &[command, button] : buttons_) {
    button->Enable(IsEnabled(command));
  }
}

void MainMenuPage::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand) {
    return;
  }
  const int command = id == 1001 ? kHelp : id;
  if (IsEnabled(command)) {
    handlers_.at(command)();
  }
}

} // namespace pdx::pelodex
