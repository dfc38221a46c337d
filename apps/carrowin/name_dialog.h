// The small name dialog of the new-file, new-melody and rename commands:
// one label, one field, OK (only with text) and Cancel.
#pragma once

#include "winlib/bmp_dialog.h"

class QLineEdit;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::carrowin {

class CNameDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  // `captionId` 5300 (file name, 260 characters), 5400 or 5401 (melody
  // name, 16 bytes of code page 949).
  CNameDlg(int captionId, const QString &initial);
  QString Name() const { return name_; }
  QLineEdit *Field() const { return field_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  int captionId_;
  QString name_;
  QLineEdit *field_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

// Runs the dialog at (x, y); the name, or nothing when cancelled.
std::optional<QString> askNameAt(QWidget *owner, int x, int y, int captionId, const QString &initial);

} // namespace pdx::carrowin
