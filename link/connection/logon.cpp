#include "link/connection/logon.h"

#include "core/base/user_text.h"

namespace pdx::link {
namespace {

// One attempt's connection result: 1..4 as the link reports them, -1 none.
int attempt(CPhoneLink &link, LogOnView &view, const LogOnSettings &settings, const std::string &digits) {
  if (settings.testMode) {
    return digits == kTestModePassword ? kConnected : kWrongPassword;
  }
  view.showWaiting(
      text::translateLiteral("pdx::link::LogOn", "비밀번호를 확인하고 있습니다. 잠시만 기다려주세요."));
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
        view.showStop(
            text::translateLiteral("pdx::link::LogOn", "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요."));
      }
      break;
    case kNoAnswer:
    case -1:
      link.status().set(LinkStatus::NotConnected);
      if (warn) {
        view.showStop(text::translateLiteral("pdx::link::LogOn", "연결이 실패하였습니다. 다시 시도하세요."));
      }
      break;
    default:
      link.status().set(LinkStatus::Connected);
      view.shake();
      break;
    }
  }
  view.showStop(
      last == kWrongPassword
          ? text::translateLiteral("pdx::link::LogOn", "비밀번호가 틀렸습니다. 비밀번호를 확인하세요.")
          : text::translateLiteral("pdx::link::LogOn", "휴대폰과의 연결을 확인해주시기 바랍니다."));
  return LogOnResult::Failed;
}

} // namespace pdx::link
