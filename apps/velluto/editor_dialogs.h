// The animation editor's small dialogs: the name dialog of New file, New
// animation and Rename, and the text dialog of the text tool.
#pragma once

#include "winlib/bmp_dialog.h"

#include <QFont>
#include <optional>

class QLineEdit;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::velluto {

// A single-line name with OK enabled only while it is not empty. The limit
// counts code page 949 bytes when `byteLimit` is set, else characters.
class CNameDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  CNameDlg(const QString &caption, const QString &label, int limit, bool byteLimit,
           const QString &initial = {});

  QString Text() const;
  QLineEdit *Edit() const { return edit_; }
  winlib::CBmpButton *OkButton() const { return ok_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  void limit();

  QString label_;
  int limit_;
  bool byteLimit_;
  QString initial_;
  QLineEdit *edit_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

// The text of the text tool ("내용") and its font, which is remembered for
// the rest of the run.
class CTextDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  CTextDlg();

  QString Text() const;
  QFont ChosenFont() const { return font_; }
  QLineEdit *Edit() const { return edit_; }
  winlib::CBmpButton *OkButton() const { return ok_; }
  // The font until the user chooses one: the dialog font's face at normal
  // weight.
  static QFont DefaultFont();

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  QFont font_;
  QLineEdit *edit_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

// Places OK and Cancel at the given corners; OK shows disabled when off.
winlib::CBmpButton *addOkCancel(QWidget *dialog, QPoint ok, QPoint cancel);

} // namespace pdx::velluto
