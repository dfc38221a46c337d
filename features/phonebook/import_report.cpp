#include "features/phonebook/import_report.h"

namespace pdx::features {

namespace {

constexpr size_t kNotesShown = 10;

} // namespace

std::string importSummary(const ImportResult &result) {
  if (result.status == ImportResult::NotText) {
    return "전화번호를 읽을 수 있는 글자 파일이 아닙니다. 아무것도 추가하지 않았습니다.";
  }
  std::string out = result.status == ImportResult::BadFormat ? "파일 형식이 잘못되어 있습니다.\n" : "";
  out += std::to_string(result.added) + "건을 추가했고 " + std::to_string(result.skipped) +
         "건을 건너뛰었습니다.";
  for (size_t i = 0; i < result.notes.size() && i < kNotesShown; ++i) {
    const ImportNote &n = result.notes[i];
    out += "\n" + std::to_string(n.line) + "번째 줄 " + n.name + ": " + n.reason;
  }
  if (result.notes.size() > kNotesShown) {
    out += "\n그 밖에 " + std::to_string(result.notes.size() - kNotesShown) + "건";
  }
  return out;
}

} // namespace pdx::features
