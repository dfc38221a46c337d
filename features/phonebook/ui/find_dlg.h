// The find dialog: a name (16 bytes) and a number (32 bytes), filled with
// the last search's texts.
#pragma once

#include "winlib/bmp_dialog.h"

#include <string>

namespace pdx::features {

class ByteLimitedEdit;

class CFindDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  CFindDlg(std::string name, std::string number);

  // Code page 949; valid after OK.
  const std::string &name() const { return name_; }
  const std::string &number() const { return number_; }
  ByteLimitedEdit *nameEdit() const { return nameEdit_; }
  ByteLimitedEdit *numberEdit() const { return numberEdit_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  std::string name_;
  std::string number_;
  ByteLimitedEdit *nameEdit_ = nullptr;
  ByteLimitedEdit *numberEdit_ = nullptr;
};

} // namespace pdx::features
