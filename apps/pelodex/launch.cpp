#include "apps/pelodex/launch.h"

#include "core/base/user_text.h"

#include <QString>
#include <algorithm>
#include <cstdio>

namespace pdx::pelodex {

namespace {

std::string format(const char *pattern, const std::string &name) {
  return text::fill(text::translate("pdx::pelodex", pattern), {name});
}

bool equalsIgnoringCase(const std::string &a, const std::string &b) {
  return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

} // namespace

std::string startFailureMessage(platform::StartFailure failure, const std::string &displayName) {
  switch (failure) {
  case platform::StartFailure::None:
    return std::string();
  case platform::StartFailure::NoResources:
    return text::translate("pdx::pelodex", "메모리나 시스템자원이 부족합니다");
  case platform::StartFailure::NotFound:
    return format(QT_TRANSLATE_NOOP("pdx::pelodex", "%1 실행파일을 찾을 수 없습니다"), displayName);
  case platform::StartFailure::NotExecutable:
    return format(QT_TRANSLATE_NOOP("pdx::pelodex", "%1 실행파일에 이상이 있습니다"), displayName);
  case platform::StartFailure::Other:
    break;
  }
  return format(QT_TRANSLATE_NOOP("pdx::pelodex", "문제가 발생하여 %1 프로그램을 실행할 수 없습니다"),
                displayName);
}

std::string runProgram(const std::string &program, const std::vector<std::string> &arguments,
                       const std::filesystem::path &programFolder, const std::string &displayName) {
  const auto path = platform::findProgram(program, programFolder);
  if (!path) {
    return startFailureMessage(platform::StartFailure::NotFound, displayName);
  }
  return startFailureMessage(platform::startDetached(*path, arguments), displayName);
}

DialupState checkDialup() {
  const auto nmcli = platform::findProgram("nmcli", {});
  if (!nmcli) {
    return DialupState::NotInstalled;
  }
  const auto names = platform::runAndRead(*nmcli, {"-t", "-f", "NAME", "connection", "show"});
  if (!names) {
    return DialupState::NotInstalled;
  }
  size_t start = 0;
  while (start < names->size()) {
    const size_t end = std::min(names->find('\n', start), names->size());
    if (equalsIgnoringCase(names->substr(start, end - start), kDialupName)) {
      return DialupState::Ready;
    }
    start = end + 1;
  }
  return DialupState::NotRegistered;
}

std::string dialupMessage(DialupState state) {
  switch (state) {
  case DialupState::NotInstalled:
    return text::translate(
        "pdx::pelodex",
        "전화접속 네트워킹이 설치되어 있지 않습니다.\nPelodex CD에서 데이터서비스 설치를 참조하여\n"
        "전화접속네트워킹을 설치하신후 전화접속네트워킹에\nQZ Telecom을 설치하시기 바랍니다.");
  case DialupState::NotRegistered:
    return text::translate("pdx::pelodex",
                           "전화접속 네트워킹에 QZ Telecom이 등록되어 있지 않습니다.\nPelodex CD에서 "
                           "데이터서비스 설치를 참조하여\nQZ Telecom을 설치하시기 바랍니다.");
  case DialupState::Ready:
    break;
  }
  return std::string();
}

bool startDialup() {
  const auto nmcli = platform::findProgram("nmcli", {});
  return nmcli && platform::startDetached(*nmcli, {"connection", "up", "id", kDialupName}) ==
                      platform::StartFailure::None;
}

} // namespace pdx::pelodex
