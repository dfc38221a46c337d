#include "features/speeddial/ui/assign_dlg.h"

#include "core/base/cp949.h"
#include "core/data/records.h"
#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"
#include "winlib/bmp_button.h"

#include <QPainter>
#include <QSpinBox>

namespace pdx::features {

CAssignDlg::CAssignDlg(const std::string &name, int kind, const std::string &number, int start)
    : nameLine_(QStringLiteral("이름 : %1").arg(QString::fromStdString(text::toUtf8(name)))),
      numberLine_(QStringLiteral("%1 전화번호 : %2")
                      .arg(QString::fromUtf8(core::kNumberLabels[static_cast<size_t>(kind & 3)].data()),
                           QString::fromStdString(text::toUtf8(number)))),
      number_(start) {
  SetDialogSize(QSize(300, 180));
  SetCaptionText(QStringLiteral("단축 다이얼 지정"));
}

void CAssignDlg::OnInitDialog() {
  spin_ = new QSpinBox(this);
  spin_->setRange(1, core::kSpeedDialKeys);
  spin_->setValue(number_);
  spin_->setGeometry(70, 94, 70, 22);
  spin_->setFont(resources::dialogFont());
  spin_->setAccessibleName(QStringLiteral("번지"));
  const OkCancel buttons = addOkCancel(this, QPoint(165, 135), QPoint(235, 135));
  buttons.ok->Enable(true);
  spin_->selectAll();
  spin_->setFocus();
}

void CAssignDlg::OnOK() {
  number_ = spin_->value();
  CBmpDialog::OnOK();
}

void CAssignDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabels(painter, {{25, 48, nameLine_}, {25, 68, numberLine_}, {25, 98, QStringLiteral("번지")}});
}

} // namespace pdx::features
