#include "features/printing/ui/print_options_dlg.h"

#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QRadioButton>

namespace pdx::features {

namespace {

QRadioButton *radio(QWidget *parent, const QString &text, QRect rect, QButtonGroup *group) {
  auto *button = new QRadioButton(text, parent);
  button->setGeometry(rect);
  button->setFont(resources::dialogFont());
  group->addButton(button);
  return button;
}

} // namespace

QString CPrintOptionsDlg::pdfChoice() {
  return tr("PDF 파일로 인쇄");
}

CPrintOptionsDlg::CPrintOptionsDlg(const PrintOptions &initial, bool printerOnly)
    : options_(initial), printerOnly_(printerOnly) {
  SetDialogSize(QSize(400, printerOnly ? 150 : 220));
  SetCaptionText(tr("인쇄"));
}

void CPrintOptionsDlg::OnInitDialog() {
  auto *sizes = new QButtonGroup(this);
  wallet_ = radio(this, tr("지갑속크기"), QRect(75, 110, 105, 20), sizes);
  normal_ = radio(this, tr("보통서류크기"), QRect(190, 110, 150, 20), sizes);
  auto *orders = new QButtonGroup(this);
  byGroup_ = radio(this, tr("그룹순으로"), QRect(75, 135, 105, 20), orders);
  byName_ = radio(this, tr("이름순으로"), QRect(190, 135, 150, 20), orders);
  (options_.size == PrintSize::Wallet ? wallet_ : normal_)->setChecked(true);
  (options_.order == PrintOrder::ByGroup ? byGroup_ : byName_)->setChecked(true);

  printers_ = new QComboBox(this);
  printers_->setGeometry(75, 60, 265, 22);
  printers_->setFont(resources::dialogFont());
  printers_->setAccessibleName(tr("프린터"));
  printers_->addItems(QPrinterInfo::availablePrinterNames());
  printers_->addItem(pdfChoice());
  const QString wanted = options_.printer.isEmpty() ? QPrinterInfo::defaultPrinterName() : options_.printer;
  const int at = printers_->findText(wanted);
  printers_->setCurrentIndex(at >= 0 ? at : 0);
  const int buttonsY = printerOnly_ ? 105 : 175;
  addOkCancel(this, QPoint(265, buttonsY), QPoint(335, buttonsY));
  for (QRadioButton *button : {wallet_, normal_, byGroup_, byName_}) {
    button->setVisible(!printerOnly_);
  }
  (printerOnly_ ? static_cast<QWidget *>(printers_) : wallet_)->setFocus();
}

void CPrintOptionsDlg::OnOK() {
  options_.size = wallet_->isChecked() ? PrintSize::Wallet : PrintSize::Normal;
  options_.order = byGroup_->isChecked() ? PrintOrder::ByGroup : PrintOrder::ByName;
  const QString chosen = printers_->currentText();
  options_.printer = chosen == pdfChoice() ? QString() : chosen;
  CBmpDialog::OnOK();
}

void CPrintOptionsDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  std::vector<DialogLabel> labels = {{25, 63, tr("프린터 :")}};
  if (!printerOnly_) {
    labels.push_back({25, 112, tr("크기 :")});
    labels.push_back({25, 137, tr("순서 :")});
  }
  drawLabels(painter, labels);
}

} // namespace pdx::features
