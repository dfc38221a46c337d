#include "features/phonebook/import_report.h"

#include "core/base/user_text.h"

namespace pdx::features {

namespace {

constexpr size_t kNotesShown = 10;

} // namespace

std::vector<std::string> noteLines(const ImportResult &result, size_t shown) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < result.notes.size() && i < shown; ++i) {
    const ImportNote &n = result.notes[i];
    lines.push_back(text::fill(text::translate("pdx::phonebook", "%1번째 줄 %2: %3"),
                               {std::to_string(n.line), n.name, n.reason}));
  }
  const size_t allNotes = result.notes.size() + static_cast<size_t>(result.unlistedNotes);
  if (allNotes > shown) {
    lines.push_back(
        text::fill(text::translate("pdx::phonebook", "그 밖에 %1건"), {std::to_string(allNotes - shown)}));
  }
  return lines;
}

std::string importSummary(const ImportResult &result) {
  if (result.status == ImportResult::NotText) {
    return text::translate("pdx::phonebook",
                           "전화번호를 읽을 수 있는 글자 파일이 아닙니다. 아무것도 추가하지 않았습니다.");
  }
  std::string out = result.status == ImportResult::BadFormat
                        ? text::translate("pdx::phonebook", "파일 형식이 잘못되어 있습니다.") + "\n"
                        : "";
  out += text::fill(text::translate("pdx::phonebook", "%1건을 추가했고 %2건을 건너뛰었습니다."),
                    {std::to_string(result.added), std::to_string(result.skipped)});
  for (const std::string &line : noteLines(result, kNotesShown)) {
    out += "\n" + line;
  }
  return out;
}

} // namespace pdx::features
