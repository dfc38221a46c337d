#include "features/groups/ui/group_list_dlg.h"

#include "features/common/ui/drag_drop_list_box.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/groups/ui/group_edit_dlg.h"
#include "winlib/bmp_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace pdx::features {

CGroupListDlg::CGroupListDlg(core::CDataStore &store, PhonebookPhone &phone, PageUser &user, bool connected)
    : phone_(phone), editor_(store, phone_, user, connected) {
  SetDialogSize(QSize(350, 300));
  // The white area reaches down to the list's foot, 25 pixels above the
  // dialog's edge; the close button sits on it at the right.
  QRect content = ContentRect();
  content.setBottom(300 - 20);
  SetContentRect(content);
  SetCaptionText(tr("그룹이름 수정"));
}

// The list stays inside the dialog's white area, at most down to y 275 and
// ending on a whole row, so that it shows whole names beside its scroll bar
// whatever the font.
void CGroupListDlg::placeList() {
  constexpr QPoint kTopLeft(25, 72);
  constexpr int kWidth = 235;
  constexpr int kMargin = 4; // above the area's bevel
  const int frame = 2 * list_->frameWidth();
  constexpr int kFoot = 275;
  const int room = std::min(kFoot, ContentRect().bottom() - kMargin) - kTopLeft.y() - frame;
  list_->setGeometry(QRect(kTopLeft, QSize(kWidth, room / list_->rowHeight() * list_->rowHeight() + frame)));
}

void CGroupListDlg::OnInitDialog() {
  list_ = new CDragDropListBox(this, QPixmap(), 0, false);
  list_->setColumns(1, {235});
  placeList();
  add_ = addTextButton(this, kAdd, tr("추가"), QPoint(280, 40), QSize(50, 24));
  modify_ = addTextButton(this, kModify, tr("수정"), QPoint(280, 90), QSize(50, 24));
  delete_ = addTextButton(this, kDelete, tr("삭제"), QPoint(280, 140), QSize(50, 24));
  close_ = addTextButton(this, kClose, tr("닫기"), QPoint(280, 255), QSize(50, 24));
  phone_.setBusyWidgets({list_, add_, modify_, delete_});
  connect(list_, &CDragDropListBox::selectionChanged, this, [this] { updateButtons(); });
  connect(list_, &CDragDropListBox::rowActivated, this, [this](int) { modify(); });
  refill(0);
  list_->setFocus();
}

winlib::CBmpButton *CGroupListDlg::button(Command command) const {
  switch (command) {
  case kAdd:
    return add_;
  case kModify:
    return modify_;
  case kDelete:
    return delete_;
  case kClose:
    break;
  }
  return close_;
}

void CGroupListDlg::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand) {
    return CBmpDialog::OnCommand(id, code);
  }
  switch (id) {
  case kAdd:
    return add();
  case kModify:
    return modify();
  case kDelete:
    return remove();
  case kClose:
    return EndDialog(winlib::kIdOkCommand);
  default:
    CBmpDialog::OnCommand(id, code);
  }
}

void CGroupListDlg::OnOK() {
  modify(); // Enter modifies the selected group; 닫기 and Esc close
}

void CGroupListDlg::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Insert) {
    return add();
  }
  if (event->key() == Qt::Key_Delete) {
    return remove();
  }
  CBmpDialog::keyPressEvent(event);
}

void CGroupListDlg::add() {
  if (!editor_.canAdd()) {
    return;
  }
  CGroupEditDlg edit(CGroupEditDlg::Mode::Add, core::PhoneGroup());
  const QRect at(pos() + QPoint(50, 50), QSize(280, 255));
  if (edit.DoModal(this, at, 0) != winlib::kIdOkCommand) {
    return;
  }
  if (const auto position = editor_.add(edit.group())) {
    rows_ = editor_.listedGroups();
    refill(rowOfPosition(*position));
  }
}

void CGroupListDlg::modify() {
  const int row = list_->currentRow();
  if (row < 0) {
    return;
  }
  CGroupEditDlg edit(CGroupEditDlg::Mode::Modify, editor_.group(rows_[static_cast<size_t>(row)]));
  if (edit.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
    return;
  }
  if (const auto position = editor_.modify(rows_[static_cast<size_t>(row)], edit.group())) {
    rows_ = editor_.listedGroups();
    refill(rowOfPosition(*position));
  }
}

void CGroupListDlg::remove() {
  const int row = list_->currentRow();
  if (row >= 0 && editor_.remove(rows_[static_cast<size_t>(row)])) {
    refill(row);
  }
}

void CGroupListDlg::refill(int selectRow) {
  rows_ = editor_.listedGroups();
  std::vector<std::string> texts;
  for (size_t position : rows_) {
    texts.emplace_back(editor_.group(position).name.view());
  }
  list_->setRows(std::move(texts));
  const int last = static_cast<int>(rows_.size()) - 1;
  if (last >= 0) {
    list_->selectRow(std::clamp(selectRow, 0, last));
  }
  updateButtons();
}

int CGroupListDlg::rowOfPosition(size_t position) const {
  const auto it = std::find(rows_.begin(), rows_.end(), position);
  return it == rows_.end() ? 0 : static_cast<int>(it - rows_.begin());
}

void CGroupListDlg::updateButtons() {
  const bool selected = list_->currentRow() >= 0;
  add_->Enable(editor_.canAdd());
  modify_->Enable(selected);
  delete_->Enable(selected);
}

void CGroupListDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabels(painter, {{25, 50, tr("그룹목록")}});
}

} // namespace pdx::features
