// The message text box of the dialogs: several lines of at most `limit`
// bytes of code page 949 (a Hangul syllable or a symbol counts two), a
// line break typed or pasted becomes a blank, and the bytes left are
// reported as the user types. Enter and Tab belong to the dialog.
#pragma once

#include <QPlainTextEdit>
#include <string>

namespace pdx::features {

class SmsTextBox : public QPlainTextEdit {
  Q_OBJECT

public:
  SmsTextBox(QWidget *parent, int limit);

  std::string bytes() const;
  void setBytes(const std::string &cp949);
  int bytesLeft() const;
  // Inserts symbol `index` at the caret (replacing a selection) when it fits.
  void insertSymbol(int index);

Q_SIGNALS:
  void bytesLeftChanged(int left);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  void enforceLimit();

  int limit_;
  QString accepted_;
  bool fixing_ = false;
};

// "남은 글자 : N" for a count of bytes left.
QString bytesLeftText(int left);

} // namespace pdx::features
