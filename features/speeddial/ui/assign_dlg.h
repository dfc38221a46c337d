// The assign dialog of the speed-dial page: the chosen name and number, and
// the speed-dial number (1 to 99) to put them on. OK refuses any other
// number typed (none, 0, 150) with a message and stays open.
#pragma once

#include "winlib/bmp_dialog.h"

class QSpinBox;

namespace pdx::features {

class CAssignDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  // `name` and `number` in code page 949; `kind` 0..3; `start` 1..99.
  CAssignDlg(const std::string &name, int kind, const std::string &number, int start);

  // The chosen speed-dial number, 1..99 (valid after OK).
  int number() const { return number_; }
  QSpinBox *spin() const { return spin_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  QString nameLine_;
  QString numberLine_;
  int number_;
  QSpinBox *spin_ = nullptr;
};

} // namespace pdx::features
