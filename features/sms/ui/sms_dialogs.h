// The dialogs of the message pages: the message dialog (new and modify),
// the reply dialog and the send dialog. Texts are code page 949; message
// texts are limited to 80 bytes and numbers to 32, with the bytes left
// shown under the text box.
#pragma once

#include "features/sms/sms_editor.h"
#include "winlib/bmp_dialog.h"

#include <functional>
#include <optional>

class QLabel;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class ButtonKeys;
class ByteLimitedEdit;
class SmsTextBox;
class SymbolPalette;

// The dialogs' result for 지금 보내기 (send now).
inline constexpr int kIdSendNow = 3;
inline constexpr int kSendNowCommand = 3301;

// The text box with its count of bytes left, and 지금 보내기; shared by the
// message and reply dialogs.
class CComposeDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  const std::string &text() const { return text_; }
  SmsTextBox *textBox() const { return textBox_; }
  QLabel *bytesLeftLabel() const { return left_; }
  winlib::CBmpButton *sendNowButton() const { return sendNow_; }

  void OnCommand(int id, int code) override;

protected:
  CComposeDlg(std::string initialText, QSize size, const QString &caption);
  // Makes the text box, its count and the three buttons at row `buttonsY`.
  void createCompose(QRect textRect, int buttonsY);
  void OnOK() override;
  virtual void takeFields() {}

  std::string text_;
  SmsTextBox *textBox_ = nullptr;
  QLabel *left_ = nullptr;
  winlib::CBmpButton *sendNow_ = nullptr;
  ButtonKeys *keys_ = nullptr;
};

class CMessageDlg : public CComposeDlg {
  Q_OBJECT

public:
  explicit CMessageDlg(std::string initialText = {});
  SymbolPalette *palette() const { return palette_; }

protected:
  void OnInitDialog() override;

private:
  SymbolPalette *palette_ = nullptr;
};

class CReplyDlg : public CComposeDlg {
  Q_OBJECT

public:
  explicit CReplyDlg(SmsAddress initial);
  const SmsAddress &address() const { return address_; }
  ByteLimitedEdit *recipientEdit() const { return recipient_; }
  ByteLimitedEdit *callbackEdit() const { return callback_; }

protected:
  void OnInitDialog() override;
  void takeFields() override;
  void paintEvent(QPaintEvent *event) override;

private:
  SmsAddress address_;
  ByteLimitedEdit *recipient_ = nullptr;
  ByteLimitedEdit *callback_ = nullptr;
};

class CSendDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  // `choose` runs the phonebook picker over `owner`: the chosen number, or
  // nothing.
  using NumberChooser = std::function<std::optional<std::string>(QWidget *owner)>;
  CSendDlg(SmsAddress initial, NumberChooser choose);

  const SmsAddress &address() const { return address_; }
  ByteLimitedEdit *recipientEdit() const { return recipient_; }
  ByteLimitedEdit *callbackEdit() const { return callback_; }
  winlib::CBmpButton *okButton() const { return ok_; }
  void OnCommand(int id, int code) override;

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  void updateOk();

  SmsAddress address_;
  NumberChooser choose_;
  ByteLimitedEdit *recipient_ = nullptr;
  ByteLimitedEdit *callback_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

} // namespace pdx::features
