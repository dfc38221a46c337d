#include "animation/file/file_messages.h"

#include "core/base/user_text.h"

namespace pdx::animation {

const char *fileMessage(DocResult result) {
  switch (result) {
  case DocResult::Ok:
    return nullptr;
  case DocResult::CannotOpen:
    return text::translateLiteral("pdx::animation::FileMessages", "애니메이션 파일을 찾을 수 없습니다.");
  case DocResult::NotThisKind:
    return text::translateLiteral("pdx::animation::FileMessages", "애니메이션 파일이 아닙니다.");
  case DocResult::UnsupportedVersion:
  case DocResult::UnsupportedFormat:
    return text::translateLiteral("pdx::animation::FileMessages", "이 파일 버전은 지원하지 않습니다.");
  case DocResult::ReadError:
  case DocResult::BackupExists:
    return text::translateLiteral("pdx::animation::FileMessages", "애니메이션을 읽어들일 수 없습니다.");
  case DocResult::CannotCreate:
  case DocResult::WriteError:
    return text::translateLiteral("pdx::animation::FileMessages", "애니메이션을 저장할 수 없습니다.");
  }
  return text::translateLiteral("pdx::animation::FileMessages", "애니메이션을 읽어들일 수 없습니다.");
}

} // namespace pdx::animation
