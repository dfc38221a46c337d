// The group list dialog: the groups of the group table with 추가, 수정 and
// 삭제; every change goes through the group editor (to the phone first when
// connected). Reports whether anything changed.
#pragma once

#include "features/groups/group_editor.h"
#include "features/groups/ui/busy_phone.h"
#include "winlib/bmp_dialog.h"

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class CDragDropListBox;

class CGroupListDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  enum Command { kAdd = 3300, kModify, kDelete, kClose };
  // `phone` is written through while the list and buttons are disabled.
  CGroupListDlg(core::CDataStore &store, PhonebookPhone &phone, PageUser &user, bool connected);

  bool changed() const { return editor_.changed(); }
  CDragDropListBox *list() const { return list_; }
  winlib::CBmpButton *button(Command command) const;

  void OnCommand(int id, int code) override;
  void add();
  void modify();
  void remove();

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void keyPressEvent(QKeyEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  void placeList();
  void refill(int selectRow);
  int rowOfPosition(size_t position) const;
  void updateButtons();
  void setBusy(bool busy);

  BusyPhone phone_;
  GroupEditor editor_;
  CDragDropListBox *list_ = nullptr;
  std::vector<size_t> rows_; // group table position of each row
  winlib::CBmpButton *add_ = nullptr;
  winlib::CBmpButton *modify_ = nullptr;
  winlib::CBmpButton *delete_ = nullptr;
  winlib::CBmpButton *close_ = nullptr;
};

} // namespace pdx::features
