#include "core/base/user_text.h"
#include "melody/rtttl/rtttl.h"

#include <array>
#include <cstdlib>
#include <map>

namespace pdx::melody {

namespace {

struct TextDuration {
  uint16_t ticks;
  int value; // 1, 2, 4, 8, 16 or 32
  bool dotted;
};

constexpr std::array<TextDuration, 11> kDurations = {{
    {4000, 1, false},
    {3000, 2, true},
    {2000, 2, false},
    {1500, 4, true},
    {1000, 4, false},
    {750, 8, true},
    {500, 8, false},
    {375, 16, true},
    {250, 16, false},
    {188, 32, true},
    {125, 32, false},
}};

const TextDuration &nearestDuration(uint16_t ticks) {
  const TextDuration *best = &kDurations[0];
  for (const TextDuration &d : kDurations) {
    if (std::abs(d.ticks - ticks) < std::abs(best->ticks - ticks)) {
      best = &d;
    }
  }
  return *best;
}

constexpr std::array<std::string_view, 12> kNames = {"c",  "c#", "d",  "d#", "e",  "f",
                                                     "f#", "g",  "g#", "a",  "a#", "b"};

bool isExported(const NoteEntry &e) {
  return isTimed(e.code);
}

bool isPlayableNote(const NoteEntry &e) {
  return kindOf(e.code) == EntryKind::Note && isPlayablePitch(pitchOf(e.code));
}

// The most frequent value of `key` over the exported entries, or `fallback`.
template <typename Key> int mostCommon(const CMelody &melody, Key key, int fallback) {
  std::map<int, int> counts;
  for (const NoteEntry &e : melody.entries()) {
    if (isExported(e)) {
      const int k = key(e);
      if (k >= 0) {
        ++counts[k];
      }
    }
  }
  int best = fallback;
  int bestCount = 0;
  for (const auto &[value, n] : counts) {
    if (n > bestCount) {
      best = value;
      bestCount = n;
    }
  }
  return best;
}

std::string exportedName(const CMelody &melody) {
  std::string name;
  for (char c : melody.name().utf8()) {
    // Separators and line breaks would end the name early.
    if (c != ':' && c != ',' && static_cast<unsigned char>(c) >= 0x20) {
      name.push_back(c);
    }
  }
  return name;
}

} // namespace

RtttlExport exportRtttl(const CMelody &melody) {
  RtttlExport out;
  const int defaultValue = mostCommon(
      melody, [](const NoteEntry &e) { return nearestDuration(e.duration).value; }, 4);
  const int defaultOctave = mostCommon(
      melody, [](const NoteEntry &e) { return isPlayableNote(e) ? pitchOf(e.code) / 12 + 2 : -1; }, 5);
  const int tempo = melody.tempo() > 0 ? melody.tempo() : kDefaultTempo;
  if (melody.tempo() == 0) {
    out.warnings.push_back(
        pdx::text::translate("pdx::melody::RtttlExport", "빠르기 0은 쓸 수 없어 120으로 적었습니다."));
  }
  out.text = exportedName(melody) + ":d=" + std::to_string(defaultValue) +
             ",o=" + std::to_string(defaultOctave) + ",b=" + std::to_string(tempo) + ":";
  int marks = 0;
  bool first = true;
  for (const NoteEntry &e : melody.entries()) {
    if (kindOf(e.code) == EntryKind::Mark) {
      ++marks;
    }
    if (!isExported(e)) {
      continue;
    }
    const TextDuration &d = nearestDuration(e.duration);
    if (d.ticks != e.duration) {
      out.warnings.push_back(pdx::text::fill(
          text::translate("pdx::melody::RtttlExport", "길이 %1을(를) 가까운 길이 %2(으)로 바꾸었습니다."),
          {std::to_string(e.duration), std::to_string(d.ticks)}));
    }
    std::string item = d.value == defaultValue ? "" : std::to_string(d.value);
    if (isPlayableNote(e)) {
      const int pitch = pitchOf(e.code);
      item += kNames[static_cast<size_t>(pitch % 12)];
      item += d.dotted ? "." : "";
      item += pitch / 12 + 2 == defaultOctave ? "" : std::to_string(pitch / 12 + 2);
    } else {
      if (kindOf(e.code) == EntryKind::Note) {
        out.warnings.push_back(pdx::text::translate(
            "pdx::melody::RtttlExport", "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다."));
      }
      item += d.dotted ? "p." : "p";
    }
    out.text += (first ? "" : ",") + item;
    first = false;
  }
  if (marks > 0) {
    out.warnings.push_back(pdx::text::fill(
        text::translate("pdx::melody::RtttlExport", "도돌이표와 끝 표시 %1개는 옮길 수 없어 뺐습니다."),
        {std::to_string(marks)}));
  }
  return out;
}

} // namespace pdx::melody
