// What the program shows while a read from the phone runs, and when it
// fails (the question then offers Retry and Cancel).
#pragma once

#include "core/base/user_text.h"

namespace pdx::link {

enum class ReadKind { Sms, Phonebook, Alarms, Options };

struct ReadTexts {
  const char *reading;
  const char *failed;
};

inline ReadTexts readTexts(ReadKind kind) {
  switch (kind) {
  case ReadKind::Sms:
    return {text::translateLiteral("pdx::link", "휴대폰에서 단문 메시지를 읽고 있습니다."),
            text::translateLiteral("pdx::link", "휴대폰에서 단문 메시지를 읽어오는데 실패하였습니다.")};
  case ReadKind::Phonebook:
    return {text::translateLiteral("pdx::link", "휴대폰에서 전화번호부를 읽고 있습니다."),
            text::translateLiteral("pdx::link", "휴대폰에서 전화번호부를 읽어오는데 실패하였습니다.")};
  case ReadKind::Options:
    return {text::translateLiteral("pdx::link", "휴대폰에서 환경 설정을 읽고 있습니다."),
            text::translateLiteral("pdx::link", "휴대폰에서 환경 설정을 읽어오는데 실패하였습니다.")};
  case ReadKind::Alarms:
    break;
  }
  return {text::translateLiteral("pdx::link", "휴대폰에서 알람정보를 읽고 있습니다."),
          text::translateLiteral("pdx::link", "휴대폰에서 알람정보를 읽어오는데 실패하였습니다.")};
}

} // namespace pdx::link
