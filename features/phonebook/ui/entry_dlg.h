// The entry dialog of new entry and modify: name (16 bytes, with the symbol
// palette), four numbers (32 bytes, number characters only), the group as
// an editable list, and whether the entry is stored on the phone. In
// group-only mode (several rows) only the group and a three-state phone box
// count.
#pragma once

#include "features/phonebook/phonebook_editor.h"
#include "winlib/bmp_dialog.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class ByteLimitedEdit;
class GroupEditor;
class SymbolPalette;

class CEntryDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  struct PhoneBox {
    bool enabled = false;
    // Ticked, clear, or (group-only mode) the third state.
    std::optional<bool> ticked = false;
  };

  // One entry; an unknown typed group is created through `groups`.
  CEntryDlg(GroupEditor &groups, const EntryForm &initial, PhoneBox box);
  // Several entries: `commonGroup` is the group they share, if any.
  CEntryDlg(GroupEditor &groups, std::optional<int> commonGroup, PhoneBox box);

  bool groupOnly() const { return groupOnly_; }
  const EntryForm &form() const { return form_; }
  const GroupOnlyForm &groupForm() const { return groupForm_; }

  ByteLimitedEdit *nameEdit() const { return name_; }
  ByteLimitedEdit *numberEdit(int kind) const { return numbers_[static_cast<size_t>(kind)]; }
  SymbolPalette *palette() const { return palette_; }
  QComboBox *groupBox() const { return group_; }
  QCheckBox *phoneBox() const { return phone_; }
  winlib::CBmpButton *okButton() const { return ok_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  void fillGroups(int selectId);
  // The chosen group's id; nothing for an empty box; -1 when a typed name
  // was not made into a group.
  std::optional<int> chosenGroup();
  void updateOk();

  GroupEditor &groups_;
  bool groupOnly_ = false;
  EntryForm form_;
  GroupOnlyForm groupForm_;
  std::optional<int> initialGroup_;
  PhoneBox box_;
  std::vector<int> groupIds_; // id of each item of the group box
  ByteLimitedEdit *name_ = nullptr;
  std::array<ByteLimitedEdit *, core::kNumberKinds> numbers_{};
  SymbolPalette *palette_ = nullptr;
  QComboBox *group_ = nullptr;
  QCheckBox *phone_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

} // namespace pdx::features
