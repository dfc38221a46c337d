#include "features/speeddial/ui/assign_dlg.h"

#include "core/base/cp949.h"
#include "core/data/records.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/groups/ui/dialog_user.h"
#include "features/speeddial/speed_dial_editor.h"
#include "resources/fonts.h"
#include "winlib/bmp_button.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSpinBox>
#include <algorithm>

namespace pdx::features {
namespace {

// Keeps the number as typed (up to three digits, or none as 0), so that OK
// can refuse what lies outside the keys instead of the spin box quietly
// putting back its last valid value. The arrows stay within the keys.
class TypedNumberSpin : public QSpinBox {
public:
  explicit TypedNumberSpin(QWidget *parent) : QSpinBox(parent) { setRange(0, 999); }

protected:
  QValidator::State validate(QString &text, int &) const override {
    static const QRegularExpression kDigits(QStringLiteral("^\\d{0,3}$"));
    return kDigits.match(text).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
  }
  int valueFromText(const QString &text) const override { return text.toInt(); }
  void stepBy(int steps) override {
    setValue(std::clamp(value() + steps, 1, core::kSpeedDialKeys));
    selectAll();
  }
  StepEnabled stepEnabled() const override {
    return (value() > 1 ? StepDownEnabled : StepNone) |
           (value() < core::kSpeedDialKeys ? StepUpEnabled : StepNone);
  }
};

} // namespace

CAssignDlg::CAssignDlg(const std::string &name, int kind, const std::string &number, int start)
    : nameLine_(tr("이름 : %1").arg(QString::fromStdString(text::toUtf8(name)))),
      numberLine_(tr("%1 전화번호 : %2")
                      .arg(QString::fromStdString(core::numberLabel(static_cast<size_t>(kind & 3))),
                           QString::fromStdString(text::toUtf8(number)))),
      number_(start) {
  SetDialogSize(QSize(300, 180));
  SetCaptionText(tr("단축 다이얼 지정"));
}

void CAssignDlg::OnInitDialog() {
  spin_ = new TypedNumberSpin(this);
  spin_->setValue(number_);
  spin_->setGeometry(70, 94, 70, 22);
  spin_->setFont(resources::dialogFont());
  spin_->setAccessibleName(tr("번지"));
  const OkCancel buttons = addOkCancel(this, QPoint(165, 135), QPoint(235, 135));
  buttons.ok->Enable(true);
  spin_->selectAll();
  spin_->setFocus();
}

void CAssignDlg::OnOK() {
  spin_->interpretText();
  if (const auto refusal = speedDialNumberRefusal(spin_->value())) {
    DialogUser(this).tell(*refusal);
    spin_->setFocus();
    spin_->selectAll();
    return;
  }
  number_ = spin_->value();
  CBmpDialog::OnOK();
}

void CAssignDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabels(painter, {{25, 48, nameLine_}, {25, 68, numberLine_}, {25, 98, tr("번지")}});
}

} // namespace pdx::features
