// The password page shown while the program logs on: a phone keypad, the
// password display, and the buttons OK, exit, help and "without a phone".
// It is the log-on's view: it asks for the password, shows the waiting
// message and the failures, and shakes on a wrong password.
#pragma once

#include "link/connection/logon.h"
#include "winlib/bmp_wnd.h"

#include <QEventLoop>
#include <QPointer>
#include <functional>
#include <string>

namespace pdx::link {

class LinkStatusIndicator;

// The password display: one star per digit, caret after the last.
class PasswordDisplay : public QWidget {
public:
  explicit PasswordDisplay(QWidget *parent);
  void setDigits(int count);
  int digits() const { return digits_; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  int digits_ = 0;
};

class PasswordPage : public winlib::CBmpWnd, public LogOnView {
  Q_OBJECT

public:
  enum Result { kClose = 0, kOk = 1, kWithoutPhone = 2 };
  static constexpr int kOkCommand = 3120;
  static constexpr int kExitCommand = 3121;
  static constexpr int kHelpCommand = 3122;
  static constexpr int kWithoutPhoneCommand = 3123;

  explicit PasswordPage(LinkStatus &status);
  void SetHelp(std::function<void()> help) { help_ = std::move(help); }

  const std::string &Digits() const { return digits_; }
  PasswordDisplay *Display() const { return display_; }
  void AddDigit(char digit);
  // Runs until the user chooses: the page's result.
  Result RunPage();
  bool IsWaiting() const { return loop_ != nullptr; }

  Choice askPassword(std::string &digits) override;
  void showWaiting(const char *text) override;
  void hideWaiting() override;
  void showStop(const char *text) override;
  void shake() override;

  void OnCommand(int id, int code) override;

protected:
  // Makes the keypad, the display and the buttons.
  void OnCreate() override;
  void keyPressEvent(QKeyEvent *event) override;
  // Closing the page ends the log-on.
  void closeEvent(QCloseEvent *event) override;

private:
  void End(Result result);
  void Refresh();

  LinkStatus &status_;
  std::string digits_;
  PasswordDisplay *display_ = nullptr;
  LinkStatusIndicator *indicator_ = nullptr;
  QPointer<QWidget> waiting_;
  QEventLoop *loop_ = nullptr;
  Result result_ = kClose;
  std::function<void()> help_;
};

} // namespace pdx::link
