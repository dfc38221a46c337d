// The page's editing commands: new, modify, delete, find, groups.
#include "features/groups/group_editor.h"
#include "features/groups/ui/group_list_dlg.h"
#include "features/phonebook/ui/entry_dlg.h"
#include "features/phonebook/ui/find_dlg.h"
#include "features/phonebook/ui/phonebook_page.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace pdx::features {

namespace {

EntryForm formOf(const core::PhoneBookEntry &e) {
  EntryForm form;
  form.name = std::string(e.name.view());
  for (size_t k = 0; k < form.numbers.size(); ++k) {
    form.numbers[k] = std::string(e.numbers[k].view());
  }
  form.group = e.group;
  form.storeOnPhone = PhonebookEditor::onPhone(e);
  return form;
}

} // namespace

void CPhonebookPage::newEntry() {
  if (running_) {
    return; // one editing command at a time: its phone writes let input through
  }
  const QScopedValueRollback<bool> running(running_, true);
  beginOperation();
  GroupEditor groups(context_.store, phone_, user_, context_.connected);
  const bool connected = context_.connected;
  CEntryDlg dialog(groups, EntryForm(), {connected, connected && editor_.freePhoneSlot() >= 0});
  if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
    refill(selection()); // a group may have been created meanwhile
    return;
  }
  const std::optional<int> row = editor_.addNew(dialog.form());
  refill(row ? std::vector<int>{*row} : selection());
}

void CPhonebookPage::modifySelected() {
  const std::vector<int> rows = selection();
  if (rows.empty() || running_) {
    return;
  }
  const QScopedValueRollback<bool> running(running_, true);
  beginOperation();
  GroupEditor groups(context_.store, phone_, user_, context_.connected);
  const bool connected = context_.connected;
  if (rows.size() == 1) {
    const core::PhoneBookEntry &e = editor_.entry(rows.front());
    const bool onPhone = PhonebookEditor::onPhone(e);
    CEntryDlg dialog(groups, formOf(e), {connected && (onPhone || editor_.freePhoneSlot() >= 0), onPhone});
    if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
      return refill(rows);
    }
    const std::optional<int> row = editor_.modifyOne(rows.front(), dialog.form());
    return refill(row ? std::vector<int>{*row} : rows);
  }
  std::optional<int> common = editor_.entry(rows.front()).group;
  int onPhone = 0;
  for (int row : rows) {
    common = editor_.entry(row).group == common ? common : std::nullopt;
    onPhone += PhonebookEditor::onPhone(editor_.entry(row)) ? 1 : 0;
  }
  const std::optional<bool> ticked = onPhone == 0                               ? std::optional(false)
                                     : onPhone == static_cast<int>(rows.size()) ? std::optional(true)
                                                                                : std::nullopt;
  CEntryDlg dialog(groups, common, {connected, ticked});
  if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
    return refill(rows);
  }
  refill(editor_.modifySeveral(rows, dialog.groupForm()));
}

void CPhonebookPage::deleteSelected() {
  const std::vector<int> rows = selection();
  if (rows.empty() || running_) {
    return;
  }
  const QScopedValueRollback<bool> running(running_, true);
  beginOperation();
  if (!editor_.deleteRows(rows)) {
    return refill(rows);
  }
  const int count = static_cast<int>(editor_.rowCount());
  refill(rows.size() == 1 ? std::vector<int>{std::min(rows.front(), count - 1)} : std::vector<int>{});
}

void CPhonebookPage::find() {
  CFindDlg dialog(editor_.findName(), editor_.findNumber());
  if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
    return;
  }
  const int row = editor_.find(dialog.name(), dialog.number(), list_->currentRow());
  if (row >= 0) {
    list_->selectRow(row);
  }
}

void CPhonebookPage::findNext(bool upward) {
  const int row = editor_.findNext(list_->currentRow(), upward);
  if (row >= 0) {
    list_->selectRow(row);
  }
}

void CPhonebookPage::openGroups() {
  CGroupListDlg dialog(context_.store, context_.phone, user_, context_.connected);
  dialog.DoModal(this, std::nullopt, 0);
  if (dialog.changed()) {
    refill(selection());
  }
}

} // namespace pdx::features
