#include "features/phonebook/ui/find_dlg.h"

#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_parts.h"

#include <QPainter>

namespace pdx::features {

CFindDlg::CFindDlg(std::string name, std::string number)
    : name_(std::move(name)), number_(std::move(number)) {
  SetDialogSize(QSize(320, 180));
  SetCaptionText(tr("찾기"));
}

void CFindDlg::OnInitDialog() {
  nameEdit_ = new ByteLimitedEdit(this, 16);
  nameEdit_->setGeometry(90, 50, 205, 20);
  nameEdit_->setBytes(name_);
  numberEdit_ = new ByteLimitedEdit(this, 32, ByteLimitValidator::PhoneNumber);
  numberEdit_->setGeometry(90, 80, 205, 20);
  numberEdit_->setBytes(number_);
  addOkCancel(this, QPoint(185, 125), QPoint(255, 125));
  nameEdit_->selectAll();
  nameEdit_->setFocus();
}

void CFindDlg::OnOK() {
  name_ = nameEdit_->bytes();
  number_ = numberEdit_->bytes();
  CBmpDialog::OnOK();
}

void CFindDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabels(painter, {{25, 53, tr("이름")}, {25, 83, tr("전화번호")}});
}

} // namespace pdx::features
