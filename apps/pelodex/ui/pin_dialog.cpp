#include "apps/pelodex/ui/pin_dialog.h"

#include "resources/translations/translation.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace pdx::pelodex {

PinDialog::PinDialog(int attemptsLeft, QWidget *parent) : QDialog(parent) {
  setWindowTitle(resources::translate("PinDialog", "SIM 비밀번호"));
  setAccessibleName(resources::translate("PinDialog", "SIM 비밀번호"));
  auto *layout = new QVBoxLayout(this);
  QString prompt = resources::translate("PinDialog", "SIM 카드의 PIN(숫자 4~8자리)을 입력하세요.");
  if (attemptsLeft >= 0) {
    prompt += QLatin1Char('\n') + resources::translate("PinDialog", "남은 시도 횟수: %1").arg(attemptsLeft);
  }
  auto *label = new QLabel(prompt, this);
  field_ = new QLineEdit(this);
  field_->setEchoMode(QLineEdit::Password);
  field_->setMaxLength(8);
  field_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), field_));
  field_->setAccessibleName(resources::translate("PinDialog", "PIN"));
  label->setBuddy(field_);
  auto *buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(resources::translate("PinDialog", "확인"), QDialogButtonBox::AcceptRole);
  QPushButton *cancel =
      buttons->addButton(resources::translate("PinDialog", "취소"), QDialogButtonBox::RejectRole);
  ok_->setAccessibleName(resources::translate("PinDialog", "확인"));
  cancel->setAccessibleName(resources::translate("PinDialog", "취소"));
  ok_->setDefault(true);
  ok_->setEnabled(false);
  connect(field_, &QLineEdit::textChanged, this,
          [this](const QString &pin) { ok_->setEnabled(pin.size() >= 4); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(label);
  layout->addWidget(field_);
  layout->addWidget(buttons);
  field_->setFocus();
}

std::optional<std::string> PinDialog::ask(QWidget *parent, int attemptsLeft) {
  PinDialog dialog(attemptsLeft, parent);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.field_->text().toStdString();
}

} // namespace pdx::pelodex
