// The main menu (page 3002): the commands of the program.
#pragma once

#include "apps/pelodex/ui/pelodex_page.h"

#include <functional>
#include <map>

namespace pdx::link {
class LinkStatus;
}
namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::pelodex {

class MainMenuPage : public PelodexPage {
  Q_OBJECT

public:
  enum Command {
    kPhonebook = 3243,
    kSms = 3240,
    kMelody = 3244,
    kAnimation = 3245,
    kAlarms = 3246,
    kDataService = 3248,
    kPhoneSettings = 3247,
    kHelp = 3251,
    kExit = 3252,
  };

  // `handlers` run the commands; a command without a handler, or one that
  // needs the phone while `offline`, is disabled.
  MainMenuPage(link::LinkStatus &status, bool offline, std::map<int, std::function<void()>> handlers);
  void OnCommand(int id, int code) override;
  bool IsEnabled(int command) const;
  winlib::CBmpButton *Button(int command) const { return buttons_.at(command); }
  // The phone went away (true) or came back (false): the commands that need
  // it follow.
  void SetOffline(bool offline);

protected:
  void OnCreate() override;

private:
  link::LinkStatus &status_;
  bool offline_;
  std::map<int, std::function<void()>> handlers_;
  std::map<int, winlib::CBmpButton *> buttons_;
};

} // namespace pdx::pelodex
