// The help page (page 3014): the program's overview, with back and exit.
#pragma once

#include "apps/pelodex/ui/pelodex_page.h"

#include <functional>

namespace pdx::link {
class LinkStatus;
}

namespace pdx::pelodex {

class HelpPage : public PelodexPage {
  Q_OBJECT

public:
  HelpPage(link::LinkStatus &status, std::function<void()> back, std::function<void()> exit);
  void OnCommand(int id, int code) override;

protected:
  void OnCreate() override;

private:
  link::LinkStatus &status_;
  std::function<void()> back_;
  std::function<void()> exit_;
};

} // namespace pdx::pelodex
