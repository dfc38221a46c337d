#include "features/groups/ui/dialog_user.h"

#include "winlib/bmp_message_box.h"
#include "winlib/wait_window.h"

#include <QCoreApplication>

namespace pdx::features {

DialogUser::DialogUser(QWidget *owner) : owner_(owner) {}

DialogUser::~DialogUser() = default;

void DialogUser::progress(int done, int total) {
  if (total < 2 || done >= total) {
    wait_.reset();
    return;
  }
  if (!wait_) {
    wait_ = std::make_unique<winlib::CWaitWindow>(
        owner_ ? owner_->window() : nullptr,
        QCoreApplication::translate("pdx::phonebook", "휴대폰에 전화번호를 쓰고 있습니다."),
        [this] { cancel_ = true; });
    wait_->show();
    wait_->activateWindow();
    wait_->setFocus();
  }
  wait_->SetProgress(done, total);
}

void DialogUser::tell(const std::string &message) {
  winlib::CBmpMessageBox::Show(owner_, QString::fromStdString(message), QString(),
                               winlib::kMbOk | winlib::kMbIconExclamation);
}

bool DialogUser::ask(const std::string &question) {
  return winlib::CBmpMessageBox::Show(owner_, QString::fromStdString(question), QString(),
                                      winlib::kMbOkCancel | winlib::kMbIconQuestion) == winlib::kIdOk;
}

bool DialogUser::cancelRequested() {
  QCoreApplication::processEvents();
  return cancel_;
}

} // namespace pdx::features
