#include "melody/rtttl/rtttl.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace pdx::melody {

namespace {

constexpr int kFirstOctave = 2; // text octave = code octave + 2

struct Defaults {
  int duration = 4;
  int octave = 6;
  int beats = 63;
};

std::string trimmed(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) {
      out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
  }
  return out;
}

std::optional<int> number(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool validDuration(int d) {
  return d == 1 || d == 2 || d == 4 || d == 8 || d == 16 || d == 32;
}

std::optional<Defaults> parseDefaults(std::string_view text, std::string &error) {
  Defaults d;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(',', start);
    end = end == std::string_view::npos ? text.size() : end;
    const std::string_view item = text.substr(start, end - start);
    start = end + 1;
    const auto value = item.size() > 2 && item[1] == '=' ? number(item.substr(2)) : std::nullopt;
    if (value && item[0] == 'd' && validDuration(*value)) {
      d.duration = *value;
    } else if (value && item[0] == 'o' && *value >= 0 && *value <= 9) {
      d.octave = *value;
    } else if (value && item[0] == 'b' && *value > 0) {
      d.beats = *value;
    } else if (!item.empty()) {
      error = "기본값을 읽을 수 없습니다: " + std::string(item);
      return std::nullopt;
    }
  }
  return d;
}

int semitoneOf(char letter) {
  static constexpr std::string_view kLetters = "c?d?ef?g?a?b";
  return letter == 'h' ? 11 : static_cast<int>(kLetters.find(letter));
}

struct ParsedNote {
  int duration;
  bool dotted = false;
  bool pause = false;
  int pitch = 0;
};

std::optional<ParsedNote> parseNote(std::string_view text, const Defaults &d) {
  size_t i = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    ++i;
  }
  ParsedNote note{d.duration};
  if (i > 0) {
    const auto duration = number(text.substr(0, i));
    if (!duration) {
      return std::nullopt;
    }
    note.duration = *duration;
  }
  if (i >= text.size() || (text[i] != 'p' && semitoneOf(text[i]) < 0)) {
    return std::nullopt;
  }
  note.pause = text[i] == 'p';
  int semitone = note.pause ? 0 : semitoneOf(text[i]);
  ++i;
  if (i < text.size() && (text[i] == '#' || text[i] == '_')) {
    ++semitone;
    ++i;
  }
  int octave = d.octave;
  for (; i < text.size(); ++i) {
    if (text[i] == '.') {
      note.dotted = true;
    } else if (std::isdigit(static_cast<unsigned char>(text[i]))) {
      octave = text[i] - '0';
    } else {
      return std::nullopt;
    }
  }
  note.pitch = 12 * (octave - kFirstOctave) + semitone;
  return note;
}

void warn(RtttlImport &out, std::string text) {
  if (out.warnings.size() < kMaxListedWarnings) {
    out.warnings.push_back(std::move(text));
  } else {
    ++out.unlisted;
  }
}

// Adds one note to the melody, reporting what does not map.
void addNote(RtttlImport &out, const ParsedNote &note, std::string_view source, int &dropped) {
  if (!validDuration(note.duration) || (note.dotted && note.duration == 1)) {
    warn(out, "지원하지 않는 길이의 음표를 뺐습니다: " + std::string(source));
    return;
  }
  const auto ticks =
      static_cast<uint16_t>(note.dotted ? (6000 + note.duration / 2) / note.duration : 4000 / note.duration);
  NoteEntry entry{ticks, kRest};
  if (!note.pause) {
    if (isPlayablePitch(note.pitch)) {
      entry.code = codeOfPitch(note.pitch);
    } else {
      warn(out, "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: " + std::string(source));
    }
  }
  if (dropped > 0 || !out.melody.appendIfFits(entry)) {
    ++dropped;
  }
}

} // namespace

RtttlImport importRtttl(std::string_view text) {
  RtttlImport out;
  const size_t first = text.find(':');
  const size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) {
    out.error = "벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표).";
    return out;
  }
  const auto defaults = parseDefaults(trimmed(text.substr(first + 1, second - first - 1)), out.error);
  if (!defaults) {
    return out;
  }
  std::string_view name = text.substr(0, first);
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front()))) {
    name.remove_prefix(1);
  }
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) {
    name.remove_suffix(1);
  }
  out.melody.name().setWhole(text::fromUtf8(name));
  out.melody.setStoredTempo(static_cast<uint16_t>(std::clamp(defaults->beats, 30, 255)));
  if (defaults->beats < 30 || defaults->beats > 255) {
    out.warnings.push_back("빠르기를 30에서 255 사이로 맞추었습니다: " + std::to_string(defaults->beats));
  }
  const std::string notes = trimmed(text.substr(second + 1));
  int dropped = 0;
  for (size_t start = 0; start < notes.size();) {
    size_t end = notes.find(',', start);
    end = end == std::string::npos ? notes.size() : end;
    const std::string_view item = std::string_view(notes).substr(start, end - start);
    start = end + 1;
    if (item.empty()) {
      continue;
    }
    const auto note = parseNote(item, *defaults);
    if (!note) {
      out.error = "음표를 읽을 수 없습니다: " + std::string(item);
      return out;
    }
    addNote(out, *note, item, dropped);
  }
  if (out.unlisted > 0) {
    out.warnings.push_back("그 밖의 경고 " + std::to_string(out.unlisted) + "건은 줄였습니다.");
  }
  if (dropped > 0) {
    out.warnings.push_back("멜로디 길이 제한을 넘는 음표 " + std::to_string(dropped) + "개를 뺐습니다.");
  }
  out.ok = true;
  return out;
}

} // namespace pdx::melody
