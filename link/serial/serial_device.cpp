#include "link/serial/serial_device.h"

#include "core/base/user_text.h"

namespace pdx::link {

std::string describe(OpenFailure failure) {
  switch (failure) {
  case OpenFailure::None:
    return text::translate("pdx::link", "열려 있습니다.");
  case OpenFailure::NoSuchDevice:
    return text::translate("pdx::link", "장치가 없습니다. 케이블이 연결되어 있는지 확인하세요.");
  case OpenFailure::PermissionDenied:
    return text::translate("pdx::link",
                           "장치를 열 권한이 없습니다. 사용자를 dialout 그룹에 추가한 뒤 다시 로그인하세요.");
  case OpenFailure::Busy:
    return text::translate(
        "pdx::link",
        "다른 프로그램이 장치를 사용하고 있습니다. ModemManager나 brltty 같은 프로그램을 끄세요.");
  case OpenFailure::NotASerialDevice:
    return text::translate("pdx::link", "직렬 포트가 아닙니다.");
  case OpenFailure::AlreadyOpen:
    return text::translate("pdx::link", "포트가 이미 열려 있습니다.");
  case OpenFailure::Other:
    break;
  }
  return text::translate("pdx::link", "장치를 열 수 없습니다.");
}

} // namespace pdx::link
