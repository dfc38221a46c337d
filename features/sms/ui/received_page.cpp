#include "features/sms/ui/received_page.h"

#include "features/sms/sms_format.h"
#include "features/sms/ui/sms_dialogs.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QKeyEvent>

namespace pdx::features {

CSmsReceivedPage::CSmsReceivedPage(SmsPageContext context, QWidget *parent)
    : CSmsListPage(std::move(context),
                   {tr("문자 메시지 확인"),
                    resources::kPageSmsReceived,
                    SmsBoxKind::Received,
                    QRect(48, 93, 416, 20),
                    QRect(48, 113, 416, 128),
                    QRect(52, 285, 412, 75),
                    {tr("번호"), tr("속성"), tr("발신번호"), tr("시간"), tr("내용")},
                    {45, 90, 200, 280},
                    418,
                    kColumnKey,
                    receivedRow,
                    receivedPane},
                   parent) {
  addButton(kReply, tr("답장"), {538, 127});
  addButton(kDelete, tr("삭제"), {538, 198});
  connect(list_, &CDragDropListBox::rowActivated, this, [this](int) { reply(); });
  finishSetUp({kReply, kDelete, kSave, kPrint, kHelp, kBack, kExit});
}

void CSmsReceivedPage::selectionChanged() {
  const int row = selectedRow();
  if (editor_.markRead(row)) {
    list_->replaceRow(row, rowText(row));
    list_->selectRow(row);
  }
}

void CSmsReceivedPage::updateButtons() {
  const int row = selectedRow();
  const bool selected = row >= 0;
  const bool hasSender = selected && !message(row).number.empty();
  buttons_[kReply]->Enable(hasSender && !busy());
  buttons_[kDelete]->Enable(selected && !busy());
  buttons_[kSave]->Enable(selected);
  buttons_[kPrint]->Enable(selected);
}

std::span<const PageCommand<CSmsListPage>> CSmsReceivedPage::ownCommands() const {
  static constexpr PageCommand<CSmsListPage> kCommands[] = {
      {kReply, [](CSmsListPage &page) { static_cast<CSmsReceivedPage &>(page).reply(); }},
      {kDelete, [](CSmsListPage &page) { static_cast<CSmsReceivedPage &>(page).deleteSelected(); }},
  };
  return kCommands;
}

void CSmsReceivedPage::reply() {
  const int row = selectedRow();
  if (row < 0 || busy()) {
    return;
  }
  const core::SmsMessage &received = message(row);
  if (received.number.empty() || !editor_.canReply()) {
    return;
  }
  CReplyDlg dialog({std::string(received.number.view()), editor_.defaultCallback()});
  const int result = dialog.DoModal(this, std::nullopt, 0);
  if (result == winlib::kIdOkCommand || result == kIdSendNow) {
    (void)editor_.storeReply(dialog.text(), dialog.address(), result == kIdSendNow);
  }
  updateButtons();
}

void CSmsReceivedPage::deleteSelected() {
  const int row = selectedRow();
  if (row >= 0 && !busy() && editor_.remove(SmsBoxKind::Received, row)) {
    refill(row);
  }
  updateButtons();
}

void CSmsReceivedPage::keyPressEvent(QKeyEvent *event) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  if (event->key() == Qt::Key_Delete) {
    return deleteSelected();
  }
  if (ctrl && event->key() == Qt::Key_R) {
    return reply();
  }
  if (ctrl && event->key() == Qt::Key_S) {
    return busy() ? void() : saveSelected();
  }
  if (ctrl && event->key() == Qt::Key_P) {
    return print();
  }
  CSmsListPage::keyPressEvent(event);
}

} // namespace pdx::features
