// The group edit dialog: a group's name (12 bytes, with the symbol
// palette), its secret setting and its ring melody.
#pragma once

#include "core/data/records.h"
#include "winlib/bmp_dialog.h"

class QCheckBox;
class QComboBox;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class ByteLimitedEdit;
class SymbolPalette;

class CGroupEditDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  enum class Mode { Add, Modify };
  CGroupEditDlg(Mode mode, const core::PhoneGroup &group);

  // The group as edited (name cut to 12 bytes); valid after OK.
  const core::PhoneGroup &group() const { return group_; }

  ByteLimitedEdit *nameEdit() const { return name_; }
  SymbolPalette *palette() const { return palette_; }
  QCheckBox *secretBox() const { return secret_; }
  QComboBox *bellBox() const { return bell_; }
  winlib::CBmpButton *okButton() const { return ok_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  void updateOk();

  core::PhoneGroup group_;
  ByteLimitedEdit *name_ = nullptr;
  SymbolPalette *palette_ = nullptr;
  QCheckBox *secret_ = nullptr;
  QComboBox *bell_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

} // namespace pdx::features
