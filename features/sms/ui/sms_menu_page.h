// The message menu page (3003): 문자 메시지 확인 (the received messages),
// 문자 메시지 발신 (the messages to send), back and exit. The captions are
// drawn on the page's skin.
#pragma once

#include "winlib/bmp_wnd.h"

#include <functional>
#include <map>

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class CSmsMenuPage : public winlib::CBmpWnd {
  Q_OBJECT

public:
  enum Command { kReceived = 3260, kSent, kBack, kExit };

  // A handler for each command.
  explicit CSmsMenuPage(std::map<int, std::function<void()>> handlers, QWidget *parent = nullptr);
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }

  void OnCommand(int id, int code) override;

private:
  std::map<int, std::function<void()>> handlers_;
  std::map<int, winlib::CBmpButton *> buttons_;
};

} // namespace pdx::features
