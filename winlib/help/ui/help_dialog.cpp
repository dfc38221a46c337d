#include "winlib/help/ui/help_dialog.h"

#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/help/ui/help_view.h"

#include <QTextEdit>

namespace pdx::winlib {
namespace {

constexpr int kCommonExit = 1000;
constexpr int kCommonBack = 1003;

} // namespace

CHelpDialog::CHelpDialog(int topic) : topic_(topic) {
  SetDialogSize(QSize(kHelpDialogWidth, kHelpDialogHeight));
}

void CHelpDialog::OnInitDialog() {
  view_ = createHelpView(*this, QRect(QPoint(30, 50), QPoint(379, 236)), topic_);
  close_ = new CBmpButton(this);
  (void)close_->Create(kPushDisabledStyle, QRect(335, 255, 42, 22), this, kIdOkCommand, resources::kButtonOk,
                       4);
  view_->setFocus();
}

void ShowHelpDialog(QWidget *parent, int x, int y, int topic) {
  CHelpDialog dialog(topic);
  (void)dialog.DoModal(parent, QRect(x, y, kHelpDialogWidth, kHelpDialogHeight), resources::kCaptionHelp);
}

HelpPageControls createHelpPageControls(QWidget &page) {
  HelpPageControls controls{};
  controls.view = createHelpView(page, QRect(QPoint(50, 92), QPoint(547, 348)), kHelpPageTopic);
  controls.back = new CBmpButton(&page);
  (void)controls.back->Create(kPushStyle, QRect(490, 383, 46, 40), &page, kHelpPageBack, kHelpPageBack, 3);
  controls.exit = new CBmpButton(&page);
  (void)controls.exit->Create(kPushStyle, QRect(539, 383, 46, 40), &page, kHelpPageExit, kHelpPageExit, 3);
  return controls;
}

HelpPageAction helpPageAction(int command) {
  if (command == kHelpPageBack || command == kCommonBack) {
    return HelpPageAction::Back;
  }
  if (command == kHelpPageExit || command == kCommonExit) {
    return HelpPageAction::Exit;
  }
  return HelpPageAction::None;
}

} // namespace pdx::winlib
