#include "core/base/doc_result.h"

#include "core/base/user_text.h"

namespace pdx {

const char *describe(DocResult r) {
  switch (r) {
  case DocResult::Ok:
    return text::translateLiteral("pdx::DocResult", "완료되었습니다.");
  case DocResult::CannotOpen:
    return text::translateLiteral("pdx::DocResult", "파일을 열 수 없습니다.");
  case DocResult::BackupExists:
    return text::translateLiteral("pdx::DocResult", "데이터 파일이 없습니다. 백업 파일이 있습니다.");
  case DocResult::NotThisKind:
    return text::translateLiteral("pdx::DocResult", "지원하지 않는 종류의 파일입니다.");
  case DocResult::UnsupportedVersion:
    return text::translateLiteral("pdx::DocResult", "지원하지 않는 버전의 파일입니다.");
  case DocResult::UnsupportedFormat:
    return text::translateLiteral("pdx::DocResult", "지원하지 않는 형식의 파일입니다.");
  case DocResult::ReadError:
    return text::translateLiteral("pdx::DocResult", "파일을 읽는 도중에 에러가 발생하였습니다.");
  case DocResult::CannotCreate:
    return text::translateLiteral("pdx::DocResult", "파일을 만들 수 없습니다.");
  case DocResult::WriteError:
    return text::translateLiteral("pdx::DocResult", "파일을 쓰는 도중에 에러가 발생하였습니다.");
  }
  return text::translateLiteral("pdx::DocResult", "알 수 없는 에러가 발생하였습니다.");
}

} // namespace pdx
