#include "features/sms/ui/sent_page.h"

#include "features/phonebook/ui/file_choice.h"
#include "features/sms/sms_format.h"
#include "features/sms/sms_text.h"
#include "features/sms/ui/phonebook_picker_dlg.h"
#include "features/sms/ui/sms_dialogs.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QKeyEvent>
#include <algorithm>

namespace pdx::features {

namespace {

bool chosen(int result) {
  return result == winlib::kIdOkCommand || result == kIdSendNow;
}

} // namespace

CSmsSentPage::CSmsSentPage(SmsPageContext context, QWidget *parent)
    : CSmsListPage(std::move(context),
                   {tr("문자 메시지 발신"),
                    resources::kPageSmsSent,
                    SmsBoxKind::Saved,
                    QRect(52, 86, 406, 20),
                    QRect(52, 106, 406, 129),
                    QRect(56, 280, 402, 73),
                    {tr("번호"), tr("시간"), tr("내용")},
                    {45, 140},
                    408,
                    kColumnKey,
                    savedRow,
                    savedPane},
                   parent) {
  addButton(kNew, tr("새 단문 작성"), {539, 124});
  addButton(kModify, tr("수정"), {539, 174});
  addButton(kSendNow, tr("지금 보내기"), {539, 224});
  addButton(kDelete, tr("삭제"), {539, 273});
  addButton(kOpen, tr("열기"), {260, 385});
  std::vector<QWidget *> busyWidgets = {list_};
  for (Command c : {kNew, kModify, kSendNow, kDelete, kOpen}) {
    busyWidgets.push_back(buttons_[c]);
  }
  phone_.setBusyWidgets(busyWidgets);
  finishSetUp({kNew, kModify, kSendNow, kDelete, kOpen, kSave, kPrint, kHelp, kBack, kExit});
}

void CSmsSentPage::updateButtons() {
  const bool selected = selectedRow() >= 0;
  for (Command c : {kModify, kSendNow, kDelete, kSave, kPrint}) {
    buttons_[c]->Enable(selected);
  }
}

std::span<const PageCommand<CSmsListPage>> CSmsSentPage::ownCommands() const {
  static constexpr PageCommand<CSmsListPage> kCommands[] = {
      {kNew, [](CSmsListPage &page) { static_cast<CSmsSentPage &>(page).newMessage(); }},
      {kModify, [](CSmsListPage &page) { static_cast<CSmsSentPage &>(page).modifySelected(); }},
      {kSendNow, [](CSmsListPage &page) { static_cast<CSmsSentPage &>(page).sendSelected(); }},
      {kDelete, [](CSmsListPage &page) { static_cast<CSmsSentPage &>(page).deleteSelected(); }},
      {kOpen, [](CSmsListPage &page) { static_cast<CSmsSentPage &>(page).openFile(); }},
  };
  return kCommands;
}

void CSmsSentPage::afterStore(std::optional<int> row, bool sendNow) {
  if (!row) {
    return;
  }
  refill(*row);
  if (sendNow) {
    sendSelected();
  }
}

void CSmsSentPage::newMessage() {
  if (busy() || !editor_.canAdd()) {
    return;
  }
  CMessageDlg dialog;
  const int result = dialog.DoModal(this, std::nullopt, 0);
  if (chosen(result)) {
    afterStore(editor_.addNew(dialog.text()), result == kIdSendNow);
  }
}

void CSmsSentPage::modifySelected() {
  const int row = selectedRow();
  if (row < 0 || busy()) {
    return;
  }
  CMessageDlg dialog(std::string(message(row).text.view()));
  const int result = dialog.DoModal(this, std::nullopt, 0);
  if (chosen(result)) {
    afterStore(editor_.modify(row, dialog.text()), result == kIdSendNow);
  }
}

std::optional<std::string> CSmsSentPage::choosePhonebookNumber(QWidget *owner) {
  if (!context_.readPhonebook || !context_.readPhonebook()) {
    return std::nullopt;
  }
  CPhonebookPickerDlg picker(pickerRows(context_.store.phonePhonebook, context_.store.phoneGroups),
                             context_.settings);
  if (picker.DoModal(owner, std::nullopt, 0) != winlib::kIdOkCommand) {
    return std::nullopt;
  }
  return picker.number();
}

void CSmsSentPage::sendSelected() {
  const int row = selectedRow();
  if (row < 0 || busy()) {
    return;
  }
  CSendDlg::NumberChooser chooser;
  if (context_.readPhonebook) {
    chooser = [this](QWidget *owner) { return choosePhonebookNumber(owner); };
  }
  CSendDlg dialog({std::string(), editor_.defaultCallback()}, chooser);
  if (dialog.DoModal(this, std::nullopt, 0) == winlib::kIdOkCommand) {
    (void)editor_.send(row, dialog.address());
  }
}

void CSmsSentPage::deleteSelected() {
  const int row = selectedRow();
  if (row >= 0 && !busy() && editor_.remove(SmsBoxKind::Saved, row)) {
    refill(row);
  }
  updateButtons();
}

void CSmsSentPage::openFile() {
  const QString path = chooseFileToOpen(this, context_.messageFolder, QStringLiteral("*.txt"));
  if (!path.isEmpty()) {
    openFrom(path);
  }
}

void CSmsSentPage::openFrom(const QString &path) {
  const std::optional<std::string> text = readSmsFile(path.toStdString());
  if (!text) {
    user_.tell(tr("메시지를 읽어들일 수 없습니다.").toStdString());
    return;
  }
  const SmsEditor::LoadResult result = editor_.load(*text);
  refill(result.lastRow.value_or(std::max(selectedRow(), 0)));
}

void CSmsSentPage::keyPressEvent(QKeyEvent *event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool ctrl = mods.testFlag(Qt::ControlModifier);
  const bool alt = mods.testFlag(Qt::AltModifier);
  const int key = event->key();
  if (key == Qt::Key_Insert || (ctrl && key == Qt::Key_N)) {
    return newMessage();
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !ctrl && !alt) {
    return modifySelected();
  }
  if (key == Qt::Key_Delete) {
    return deleteSelected();
  }
  if (alt && key == Qt::Key_S) {
    return sendSelected();
  }
  const std::map<int, std::function<void()>> ctrlKeys = {{Qt::Key_O, [this] { openFile(); }},
                                                         {Qt::Key_S, [this] { saveSelected(); }},
                                                         {Qt::Key_P, [this] { print(); }}};
  if (const auto it = ctrlKeys.find(key); ctrl && it != ctrlKeys.end()) {
    return it->second();
  }
  CSmsListPage::keyPressEvent(event);
}

} // namespace pdx::features
