#include "core/base/text_file.h"
#include "core/base/user_text.h"
#include "melody/rtttl/rtttl.h"
#include "melody/rtttl/rtttl_text.h"

#include <algorithm>

namespace pdx::melody {

namespace {

// [begin, end) of each ringtone. A line with a colon starts one, unless the
// one before has only its name so far ("name:" then "d=4,o=5,b=120:c,d");
// a line without a colon carries on the notes of the one before.
std::vector<std::pair<size_t, size_t>> ringtoneSpans(std::string_view text) {
  std::vector<std::pair<size_t, size_t>> spans;
  int colons = 0;
  for (size_t begin = 0; begin < text.size();) {
    const size_t newline = text.find('\n', begin);
    const size_t end = newline == std::string_view::npos ? text.size() : newline;
    const std::string_view line = text.substr(begin, end - begin);
    const auto lineColons = static_cast<int>(std::count(line.begin(), line.end(), ':'));
    if (line.find_first_not_of(" \t\r") != std::string_view::npos) {
      if (!spans.empty() && (colons == 1 || (colons >= 2 && lineColons == 0))) {
        spans.back().second = end;
        colons += lineColons;
      } else {
        spans.emplace_back(begin, end);
        colons = lineColons;
      }
    }
    begin = end + 1;
  }
  return spans;
}

int lineOf(std::string_view text, size_t offset) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

// `name` followed by " n", cut so that it fits the 16 bytes of a name.
std::string numberedName(std::string_view name, int n) {
  const std::string suffix = " " + std::to_string(n);
  return std::string(name.substr(0, text::cutWhole(name, CMelody::Name::kCapacity - suffix.size()))) + suffix;
}

} // namespace

std::vector<RtttlLine> importRtttlLines(std::string_view bytes) {
  const std::string text = text::textFileAsUtf8(bytes);
  std::vector<RtttlLine> out;
  for (const auto &[begin, end] : ringtoneSpans(text)) {
    RtttlLine &ringtone = out.emplace_back();
    ringtone.line = lineOf(text, begin);
    if (out.size() > static_cast<size_t>(kMaxRingtonesPerFile)) {
      ringtone.import.error = pdx::text::fill(
          text::translate("pdx::melody::RtttlImport",
                          "한 파일에는 멜로디를 %1개까지만 넣을 수 있어 가져오지 않았습니다."),
          {std::to_string(kMaxRingtonesPerFile)});
    } else {
      ringtone.import = importRtttlPart(text, begin, end);
    }
  }
  return out;
}

int appendRingtones(CMelodyFile &doc, std::vector<RtttlLine> &ringtones) {
  int added = 0;
  for (RtttlLine &r : ringtones) {
    if (!r.import.ok) {
      continue;
    }
    CMelody &melody = r.import.melody;
    if (melody.name().empty()) {
      melody.name().set(CMelodyFile::defaultMelodyName());
    }
    const std::string name(melody.name().view());
    for (int n = 2; doc.FindByName(melody.name().view()) >= 0; ++n) {
      melody.name().set(numberedName(name, n));
    }
    if (melody.name().view() != name) {
      r.import.warnings.push_back(pdx::text::fill(
          text::translate("pdx::melody::RtttlImport", "같은 이름이 있어 '%1'(으)로 바꾸었습니다."),
          {melody.name().utf8()}));
    }
    if (doc.InsertAt(doc.size(), melody)) {
      ++added;
    }
  }
  return added;
}

} // namespace pdx::melody
