#include "core/base/user_text.h"
#include "melody/rtttl/rtttl.h"
#include "melody/rtttl/rtttl_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace pdx::melody {

namespace {

constexpr int kFirstOctave = 2; // text octave = code octave + 2
constexpr int kLowestTempo = 30, kHighestTempo = 255;

struct Defaults {
  int duration = 4;
  int octave = 6;
  int beats = 63;
};

// A text's tempo as the melody holds it: above 255 the tempo is divided by
// 2 or 4 and every note value multiplied by the same factor.
struct Tempo {
  int stored = 63;
  int factor = 1;
};

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

// "d=8", "o=5", "b=120" and "b=120bpm".
bool applyDefault(const Field &item, Defaults &d) {
  if (item.text.size() < 3 || item.text[1] != '=') {
    return false;
  }
  std::string_view value = std::string_view(item.text).substr(2);
  if (item.text[0] == 'b' && value.ends_with("bpm")) {
    value.remove_suffix(3);
  }
  const auto n = number(value);
  if (n && item.text[0] == 'd' && validDuration(*n)) {
    d.duration = *n;
  } else if (n && item.text[0] == 'o' && *n >= 0 && *n <= 9) {
    d.octave = *n;
  } else if (n && item.text[0] == 'b' && *n > 0) {
    d.beats = *n;
  } else {
    return false;
  }
  return true;
}

Tempo tempoOf(int beats, std::vector<std::string> &warnings) {
  Tempo t{beats, 1};
  for (int factor : {2, 4}) {
    if (t.stored > kHighestTempo) {
      t = {(beats + factor / 2) / factor, factor};
    }
  }
  if (t.factor > 1) {
    warnings.push_back(
        pdx::text::fill(text::translate("pdx::melody::RtttlImport",
                                        "빠르기 %1을(를) %2(으)로 낮추고 음표 길이를 1/%3로 줄였습니다."),
                        {std::to_string(beats), std::to_string(t.stored), std::to_string(t.factor)}));
  }
  if (t.stored < kLowestTempo || t.stored > kHighestTempo) {
    warnings.push_back(pdx::text::fill(
        text::translate("pdx::melody::RtttlImport", "빠르기를 30에서 255 사이로 맞추었습니다: %1"),
        {std::to_string(beats)}));
    t.stored = std::clamp(t.stored, kLowestTempo, kHighestTempo);
  }
  return t;
}

int semitoneOf(char letter) {
  static constexpr std::string_view kLetters = "c?d?ef?g?a?b";
  return letter == 'h' ? 11 : static_cast<int>(kLetters.find(letter));
}

struct ParsedNote {
  int duration;
  bool dotted = false;
  bool pause = false;
  bool sharp = false;
  int octave = 6;
  int semitone = 0;
};

// A note: [duration] [. or #]* letter [# _ . octave-digit]*, the forms that
// circulate ("8#d4", "8.c6", "a5#", "c.6"). Returns the index in `text` of
// the first character that does not fit, or npos.
size_t parseNote(std::string_view text, const Defaults &d, ParsedNote &note) {
  note = {.duration = d.duration, .octave = d.octave};
  size_t i = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    ++i;
  }
  if (i > 0) {
    note.duration = number(text.substr(0, i)).value_or(0);
  }
  bool octaveGiven = false;
  bool letterSeen = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      note.dotted = true;
    } else if (c == '#' || (c == '_' && letterSeen)) {
      if (note.sharp) {
        return i;
      }
      note.sharp = true;
    } else if (!letterSeen && (c == 'p' || semitoneOf(c) >= 0)) {
      letterSeen = true;
      note.pause = c == 'p';
      note.semitone = note.pause ? 0 : semitoneOf(c);
    } else if (letterSeen && !octaveGiven && std::isdigit(static_cast<unsigned char>(c))) {
      octaveGiven = true;
      note.octave = c - '0';
    } else {
      return i;
    }
  }
  note.semitone += note.sharp ? 1 : 0;
  return letterSeen ? std::string_view::npos : text.size();
}

void warn(RtttlImport &out, std::string text) {
  if (out.warnings.size() < kMaxListedWarnings) {
    out.warnings.push_back(std::move(text));
  } else {
    ++out.unlisted;
  }
}

class MelodyBuilder {
public:
  MelodyBuilder(RtttlImport &out, int factor) : out_(out), factor_(factor) {}

  void add(const ParsedNote &note, const std::string &source) {
    if (!validDuration(note.duration)) {
      warn(out_, pdx::text::fill(
                     text::translate("pdx::melody::RtttlImport", "지원하지 않는 길이의 음표를 뺐습니다: %1"),
                     {source}));
      return;
    }
    int value = note.duration * factor_;
    if (value > 32) {
      warn(out_, pdx::text::fill(text::translate("pdx::melody::RtttlImport",
                                                 "너무 짧은 음표를 32분음표로 늘렸습니다: %1"),
                                 {source}));
      value = 32;
    }
    const uint16_t code = codeOf(note, source);
    if (note.dotted && value == 1) {
      // The phone holds no dotted whole note: a whole tied to a half.
      warn(out_, pdx::text::fill(text::translate("pdx::melody::RtttlImport",
                                                 "점온음표를 온음표와 2분음표로 나누었습니다: %1"),
                                 {source}));
      append({4000, code});
      append({2000, code});
      return;
    }
    append({static_cast<uint16_t>(note.dotted ? (6000 + value / 2) / value : 4000 / value), code});
  }

  void finish() {
    if (out_.unlisted > 0) {
      out_.warnings.push_back(
          pdx::text::fill(text::translate("pdx::melody::RtttlImport", "그 밖의 경고 %1건은 줄였습니다."),
                          {std::to_string(out_.unlisted)}));
    }
    if (dropped_ > 0) {
      out_.warnings.push_back(pdx::text::fill(
          text::translate("pdx::melody::RtttlImport", "멜로디 길이 제한을 넘는 음표 %1개를 뺐습니다."),
          {std::to_string(dropped_)}));
    }
  }

private:
  uint16_t codeOf(const ParsedNote &note, const std::string &source) {
    if (note.pause) {
      return kRest;
    }
    const int pitch = 12 * (note.octave - kFirstOctave) + note.semitone;
    if (isPlayablePitch(pitch)) {
      return codeOfPitch(pitch);
    }
    warn(out_, pdx::text::fill(text::translate("pdx::melody::RtttlImport",
                                               "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: %1"),
                               {source}));
    return kRest;
  }

  void append(const NoteEntry &entry) {
    if (dropped_ > 0 || !out_.melody.appendIfFits(entry)) {
      ++dropped_;
    }
  }

  RtttlImport &out_;
  int factor_;
  int dropped_ = 0;
};

void nameMelody(RtttlImport &out, std::string_view name) {
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front()))) {
    name.remove_prefix(1);
  }
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) {
    name.remove_suffix(1);
  }
  const std::string stored = text::fromUtf8(name);
  if (text::toUtf8(stored) != name) {
    out.warnings.push_back(
        pdx::text::fill(text::translate("pdx::melody::RtttlImport",
                                        "이름에서 코드 페이지 949에 없는 글자를 ?로 바꾸었습니다: %1"),
                        {name}));
  }
  out.melody.name().setWhole(stored);
  if (out.melody.name().view().size() < stored.size()) {
    out.warnings.push_back(
        pdx::text::fill(text::translate("pdx::melody::RtttlImport", "이름을 16바이트로 줄였습니다: %1"),
                        {out.melody.name().utf8()}));
  }
}

bool refuse(RtttlImport &out, std::string_view whole, const Field &item, size_t at, const std::string &what) {
  out.error = pdx::text::fill(text::translate("pdx::melody::RtttlImport", "%1 (%2): %3"),
                              {what, positionText(whole, item.offset(at)), item.text});
  return false;
}

bool readNotes(RtttlImport &out, std::string_view whole, const std::vector<Field> &items, const Defaults &d,
               int factor) {
  MelodyBuilder builder(out, factor);
  for (const Field &item : items) {
    if (item.text.empty()) {
      continue;
    }
    ParsedNote note{};
    const size_t fault = parseNote(item.text, d, note);
    if (fault != std::string_view::npos) {
      const bool secondDigit = fault > 0 && fault < item.text.size() &&
                               std::isdigit(static_cast<unsigned char>(item.text[fault])) &&
                               std::isdigit(static_cast<unsigned char>(item.text[fault - 1]));
      return refuse(out, whole, item, fault,
                    secondDigit
                        ? pdx::text::translate("pdx::melody::RtttlImport", "옥타브는 한 자리 숫자여야 합니다")
                        : pdx::text::translate("pdx::melody::RtttlImport", "음표를 읽을 수 없습니다"));
    }
    builder.add(note, item.text);
  }
  builder.finish();
  return true;
}

} // namespace

RtttlImport importRtttlPart(std::string_view whole, size_t begin, size_t end) {
  RtttlImport out;
  const std::string_view text = whole.substr(begin, end - begin);
  const size_t first = text.find(':');
  const size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) {
    out.error =
        pdx::text::translate("pdx::melody::RtttlImport", "벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표).");
    return out;
  }
  Defaults defaults;
  for (const Field &item : splitFields(whole, begin + first + 1, begin + second)) {
    if (!item.text.empty() && !applyDefault(item, defaults)) {
      out.error =
          pdx::text::fill(text::translate("pdx::melody::RtttlImport", "기본값을 읽을 수 없습니다 (%1): %2"),
                          {positionText(whole, item.offset(0)), item.text});
      return out;
    }
  }
  nameMelody(out, text.substr(0, first));
  const Tempo tempo = tempoOf(defaults.beats, out.warnings);
  out.melody.setStoredTempo(static_cast<uint16_t>(tempo.stored));
  out.ok = readNotes(out, whole, splitFields(whole, begin + second + 1, end), defaults, tempo.factor);
  return out;
}

RtttlImport importRtttl(std::string_view text) {
  return importRtttlPart(text, 0, text.size());
}

} // namespace pdx::melody
