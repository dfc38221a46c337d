// The SIM's PIN asked at log-on with a phone of today: a masked field that
// takes 4 to 8 digits, the attempts left when the phone says, OK (Enter)
// and Cancel (Esc).
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace pdx::pelodex {

class PinDialog : public QDialog {
  Q_OBJECT

public:
  // `attemptsLeft` -1 when unknown.
  explicit PinDialog(int attemptsLeft, QWidget *parent = nullptr);

  QLineEdit *field() const { return field_; }
  QPushButton *okButton() const { return ok_; }

  // Runs the dialog: the PIN typed, or nothing when the user cancelled.
  static std::optional<std::string> ask(QWidget *parent, int attemptsLeft);

private:
  QLineEdit *field_;
  QPushButton *ok_;
};

} // namespace pdx::pelodex
