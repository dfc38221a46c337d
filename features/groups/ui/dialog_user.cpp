#include "features/groups/ui/dialog_user.h"

#include "winlib/bmp_message_box.h"

#include <QCoreApplication>

namespace pdx::features {

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
