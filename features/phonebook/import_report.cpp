#include "features/phonebook/import_report.h"

namespace pdx::features {

namespace {

constexpr size_t kNotesShown = 10;

} // namespace

std::vector<std::string> noteLines(const ImportResult &result, size_t shown) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < result.notes.size() && i < shown; ++i) {
    const ImportNote &n = result.notes[i];
    lines.push_back(std::to_string(n.line) + "번째 줄 " + n.name + ": " + n.reason);
  }
  const size_t allNotes = result.notes.size() + static_cast<size_t>(result.unlistedNotes);
  if (allNotes > shown) {
    lines.push_back("그 밖에 " + std::to_string(allNotes - shown) + "건");
  }
  return lines;
}

std::string importSummary(const ImportResult &result) {
  if (result.status == ImportResult::NotText) {
    return "전화번호를 읽을 수 있는 글자 파일이 아닙니다. 아무것도 추가하지 않았습니다.";
  }
  std::string out = result.status == ImportResult::BadFormat ? "파일 형식이 잘못되어 있습니다.\n" : "";
  out += std::to_string(result.added) + "건을 추가했고 " + std::to_string(result.skipped) +
         "건을 건너뛰었습니다.";
  for (const std::string &line : noteLines(result, kNotesShown)) {
    out += "\n" + line;
  }
  return out;
}

} // namespace pdx::features
