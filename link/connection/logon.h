// The log-on at start-up: up to three password attempts on the password
// page, then online, offline (working without the phone) or failed. The
// page, cursor and message boxes belong to the application; this holds the
// decisions, so that they can be tested without a window.
#pragma once

#include "link/connection/phone_link.h"

#include <optional>
#include <string>

namespace pdx::link {

// The fixed password that test mode accepts.
inline constexpr std::string_view kTestModePassword = "1999";
inline constexpr int kLogOnAttempts = 3;

// What the password page and the program's windows do for the log-on.
class LogOnView {
public:
  enum class Choice { Ok, WithoutPhone, Close };

  virtual ~LogOnView() = default;
  // Waits for the user on the password page; `digits` gets the four digits
  // when the choice is Ok.
  virtual Choice askPassword(std::string &digits) = 0;
  // Shows or hides the wait cursor and a message window with `text`.
  virtual void showWaiting(const char *text) = 0;
  virtual void hideWaiting() = 0;
  // A message box with the stop icon and an OK button.
  virtual void showStop(const char *text) = 0;
  // Shakes the password page: three times 10 pixels left and right.
  virtual void shake() = 0;
};

enum class LogOnResult { Online, Offline, Failed };

struct LogOnSettings {
  bool testMode = false;
  int preferredPort = 0;
  // Receives the port in use after a successful connection (not in test mode).
  std::function<void(int)> rememberPort;
};

LogOnResult logOn(CPhoneLink &link, LogOnView &view, const LogOnSettings &settings);

} // namespace pdx::link
