#include "features/sms/ui/sms_dialogs.h"

#include "features/common/ui/symbol_palette.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/sms/ui/button_keys.h"
#include "features/sms/ui/sms_text_box.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

namespace pdx::features {

namespace {

constexpr int kNumberBytes = 32;
constexpr int kPhonebookCommand = 3302;
constexpr int kSymbolWidth = 27;

ByteLimitedEdit *numberEdit(QWidget *parent, QRect rect, const QString &name, const std::string &initial) {
  auto *edit = new ByteLimitedEdit(parent, kNumberBytes, ByteLimitValidator::PhoneNumber);
  edit->setGeometry(rect);
  edit->setFont(resources::dialogFont());
  edit->setAccessibleName(name);
  edit->setBytes(initial);
  return edit;
}

void paintNumberLabels(QWidget *dialog) {
  QPainter painter(dialog);
  drawLabels(painter, {{25, 53, QCoreApplication::translate("pdx::sms", "수신번호")},
                       {25, 83, QCoreApplication::translate("pdx::sms", "회신번호")}});
}

} // namespace

CComposeDlg::CComposeDlg(std::string initialText, QSize size, const QString &caption)
    : text_(std::move(initialText)) {
  SetDialogSize(size);
  SetCaptionText(caption);
}

void CComposeDlg::createCompose(QRect textRect, int buttonsY) {
  textBox_ = new SmsTextBox(this, kDialogTextBytes);
  textBox_->setGeometry(textRect);
  textBox_->setAccessibleName(tr("메시지 내용"));
  left_ = new QLabel(this);
  left_->setFont(resources::dialogFont());
  left_->setGeometry(textRect.left(), textRect.bottom() + 4, 140, 18);
  left_->setAccessibleName(tr("남은 글자"));
  connect(textBox_, &SmsTextBox::bytesLeftChanged, left_,
          [this](int n) { left_->setText(bytesLeftText(n)); });
  textBox_->setBytes(text_);
  left_->setText(bytesLeftText(textBox_->bytesLeft()));
  sendNow_ = addTextButton(this, kSendNowCommand, tr("지금 보내기"), {175, buttonsY}, {84, 24});
  addOkCancel(this, QPoint(265, buttonsY), QPoint(335, buttonsY));
  keys_ = new ButtonKeys(this);
  keys_->addAll();
}

void CComposeDlg::OnOK() {
  text_ = textBox_->bytes();
  takeFields();
  CBmpDialog::OnOK();
}

void CComposeDlg::OnCommand(int id, int code) {
  if (id == kSendNowCommand && code == winlib::kNotifyCommand) {
    if (sendNow_->State() != winlib::ButtonState::Disabled) {
      text_ = textBox_->bytes();
      takeFields();
      EndDialog(kIdSendNow);
    }
    return;
  }
  CBmpDialog::OnCommand(id, code);
}

CMessageDlg::CMessageDlg(std::string initialText)
    : CComposeDlg(std::move(initialText), QSize(400, 210), tr("문자 메시지")) {}

void CMessageDlg::OnInitDialog() {
  palette_ = new SymbolPalette(this, resources::ResourceStore::instance().pixmap(resources::kSymbolStrip),
                               kSymbolWidth);
  palette_->setGeometry(30, 40, 340, 30);
  palette_->setAccessibleName(tr("기호"));
  createCompose(QRect(30, 75, 340, 60), 165);
  keys_->add(palette_);
  connect(palette_, &SymbolPalette::symbolChosen, this, [this](int index) {
    textBox_->insertSymbol(index);
    textBox_->setFocus();
  });
  textBox_->selectAll();
  textBox_->setFocus();
}

CReplyDlg::CReplyDlg(SmsAddress initial)
    : CComposeDlg({}, QSize(400, 250), tr("답장")), address_(std::move(initial)) {}

void CReplyDlg::OnInitDialog() {
  recipient_ = numberEdit(this, QRect(90, 50, 285, 20), tr("수신번호"), address_.recipient);
  callback_ = numberEdit(this, QRect(90, 80, 285, 20), tr("회신번호"), address_.callback);
  createCompose(QRect(30, 115, 340, 55), 205);
  // Sending needs someone to send to.
  const auto update = [this] { sendNow_->Enable(!recipient_->text().isEmpty()); };
  connect(recipient_, &QLineEdit::textChanged, this, update);
  update();
  textBox_->setFocus();
}

void CReplyDlg::takeFields() {
  address_ = {recipient_->bytes(), callback_->bytes()};
}

void CReplyDlg::paintEvent(QPaintEvent *event) {
  CComposeDlg::paintEvent(event);
  paintNumberLabels(this);
}

CSendDlg::CSendDlg(SmsAddress initial, NumberChooser choose)
    : address_(std::move(initial)), choose_(std::move(choose)) {
  SetDialogSize(QSize(300, 170));
  SetCaptionText(tr("지금 보내기"));
}

void CSendDlg::OnInitDialog() {
  recipient_ = numberEdit(this, QRect(90, 50, 185, 20), tr("수신번호"), address_.recipient);
  callback_ = numberEdit(this, QRect(90, 80, 185, 20), tr("회신번호"), address_.callback);
  auto *phonebook = addTextButton(this, kPhonebookCommand, tr("전화번호부"), {20, 125}, {72, 24});
  phonebook->Enable(choose_ != nullptr);
  const OkCancel buttons = addOkCancel(this, QPoint(165, 125), QPoint(235, 125));
  ok_ = buttons.ok;
  (new ButtonKeys(this))->addAll();
  connect(recipient_, &QLineEdit::textChanged, this, [this] { updateOk(); });
  updateOk();
  for (ByteLimitedEdit *edit : {callback_, recipient_}) {
    edit->selectAll();
  }
  recipient_->setFocus();
}

void CSendDlg::updateOk() {
  ok_->Enable(!recipient_->text().isEmpty());
}

void CSendDlg::OnCommand(int id, int code) {
  if (id == kPhonebookCommand && code == winlib::kNotifyCommand) {
    if (const std::optional<std::string> number = choose_ ? choose_(this) : std::nullopt) {
      recipient_->setBytes(number->substr(0, kNumberBytes));
    }
    return;
  }
  CBmpDialog::OnCommand(id, code);
}

void CSendDlg::OnOK() {
  if (ok_->State() == winlib::ButtonState::Disabled) {
    return;
  }
  address_ = {recipient_->bytes(), callback_->bytes()};
  CBmpDialog::OnOK();
}

void CSendDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  paintNumberLabels(this);
}

} // namespace pdx::features
