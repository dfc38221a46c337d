#include "apps/pelodex/ui/help_page.h"

#include "link/ui/link_status_indicator.h"
#include "winlib/bmp_button.h"
#include "winlib/help/ui/help_dialog.h"

#include <QTextEdit>

namespace pdx::pelodex {

HelpPage::HelpPage(link::LinkStatus &status, std::function<void()> back, std::function<void()> exit)
    : status_(status), back_(std::move(back)), exit_(std::move(exit)) {}

void HelpPage::OnCreate() {
  const winlib::HelpPageControls controls = winlib::createHelpPageControls(*this);
  for (QWidget *control : {static_cast<QWidget *>(controls.view), static_cast<QWidget *>(controls.back),
                           static_cast<QWidget *>(controls.exit)}) {
    control->show();
  }
  new link::LinkStatusIndicator(this, status_);
}

void HelpPage::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand) {
    return;
  }
  switch (winlib::helpPageAction(id)) {
  case winlib::HelpPageAction::Back:
    back_();
    break;
  case winlib::HelpPageAction::Exit:
    exit_();
    break;
  case winlib::HelpPageAction::None:
    break;
  }
}

} // namespace pdx::pelodex
