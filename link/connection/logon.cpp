#include "link/connection/logon.h"

namespace pdx::link {
namespace {

// One attempt's connection result: 1..4 as the link reports them, -1 none.
int attempt(CPhoneLink &link, LogOnView &view, const LogOnSettings &settings, const std::string &digits) {
  if (settings.testMode) {
    return digits == kTestModePassword ? kConnected : kWrongPassword;
  }
  view.showWaiting(kCheckingPassword);
  link.connect(digits, settings.preferredPort);
  const int result = link.waitForConnection();
  view.hideWaiting();
  return result;
}

} // namespace

LogOnResult logOn(CPhoneLink &link, LogOnView &view, const LogOnSettings &settings) {
  int last = -1;
  for (int round = 1; round <= kLogOnAttempts; ++round) {
    std::string digits;
    switch (view.askPassword(digits)) {
    case LogOnView::Choice::WithoutPhone:
      return LogOnResult::Offline;
    case LogOnView::Choice::Close:
      return LogOnResult::Failed;
    case LogOnView::Choice::Ok:
      break;
    }
    last = attempt(link, view, settings, digits);
    const bool warn = round < kLogOnAttempts;
    switch (last) {
    case kConnected:
      link.status().set(LinkStatus::Connected);
      if (!settings.testMode && settings.rememberPort) {
        settings.rememberPort(link.currentPort());
      }
      return LogOnResult::Online;
    case kPhoneNotFound:
      link.status().set(LinkStatus::NotConnected);
      if (warn) {
        view.showStop(kPhoneNotFoundMessage);
      }
      break;
    case kNoAnswer:
    case -1:
      link.status().set(LinkStatus::NotConnected);
      if (warn) {
        view.showStop(kConnectionFailedMessage);
      }
      break;
    default:
      link.status().set(LinkStatus::Connected);
      view.shake();
      break;
    }
  }
  view.showStop(last == kWrongPassword ? kWrongPasswordMessage : kCheckConnectionMessage);
  return LogOnResult::Failed;
}

} // namespace pdx::link
