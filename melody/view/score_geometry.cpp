#include "melody/view/score_geometry.h"

#include <algorithm>

namespace pdx::melody {

namespace {

// Letters of the key signature's signs in the order they are added, with
// the octave they are written in.
struct KeyLetter {
  int octave;
  int letter;
};
constexpr std::array<KeyLetter, 7> kSharpLetters = {{{4, 3}, {4, 0}, {4, 4}, {4, 1}, {3, 5}, {4, 2}, {3, 6}}};
constexpr std::array<KeyLetter, 7> kFlatLetters = {{{3, 6}, {4, 2}, {3, 5}, {4, 1}, {3, 4}, {4, 0}, {3, 3}}};
constexpr int kKeySignSpacing = 5;
constexpr int kGhostGap = 5;

constexpr bool isWhite(int semitone) {
  return std::find(kLetterSemitone.begin(), kLetterSemitone.end(), semitone) != kLetterSemitone.end();
}

int letterOfWhite(int semitone) {
  return static_cast<int>(std::find(kLetterSemitone.begin(), kLetterSemitone.end(), semitone) -
                          kLetterSemitone.begin());
}

// The sign each of the twelve semitones gets in the key: the key's altered
// letters show a natural sign, their altered (black-key) pitches none, one
// sign after the other in the key's order.
std::array<Accidental, 12> keySigns(const KeySignature &key, bool flatSpelling) {
  std::array<Accidental, 12> signs{};
  for (int s = 0; s < 12; ++s) {
    signs[static_cast<size_t>(s)] =
        isWhite(s) ? Accidental::None : (flatSpelling ? Accidental::Flat : Accidental::Sharp);
  }
  const int n = key.sharps > 0 ? key.sharps : key.flats;
  const auto &order = key.sharps > 0 ? kSharpLetters : kFlatLetters;
  const int direction = key.sharps > 0 ? 1 : -1;
  for (int i = 0; i < n; ++i) {
    const int natural = kLetterSemitone[static_cast<size_t>(order[static_cast<size_t>(i)].letter)];
    signs[static_cast<size_t>(natural)] = Accidental::Natural;
    // E#, B#, Cb and Fb fall on white keys, which keep their own letter:
    // there the natural sign must stay.
    const auto altered = static_cast<size_t>((natural + direction + 12) % 12);
    if (!isWhite(static_cast<int>(altered))) {
      signs[altered] = Accidental::None;
    }
  }
  return signs;
}

} // namespace

int staffY(int step) {
  // 4.5 pixels a step: ceil below the top line, floor above it.
  if (step <= 30) {
    return 45 + (9 * (30 - step) + 1) / 2;
  }
  return 45 - (9 * (step - 30)) / 2;
}

Spelling spellNote(uint16_t code, uint16_t keyId) {
  const KeySignature &key = keySignature(keyId);
  const bool flat = key.flats > 0;
  const int octave = code >> 4;
  // Semitones past 11 (only damaged files hold them) count on into the
  // next octave, as their pitch does.
  const int pitch = 12 * octave + (code & 0x0F);
  const int semitone = pitch % 12;
  Spelling out;
  if (isWhite(semitone)) {
    out.letter = letterOfWhite(semitone);
  } else {
    out.letter = letterOfWhite(flat ? semitone + 1 : semitone - 1);
  }
  out.step = 7 * (pitch / 12) + out.letter;
  out.sign = keySigns(key, flat)[static_cast<size_t>(semitone)];
  return out;
}

std::vector<int> ledgerLines(const Spelling &spelling) {
  const int natural = 12 * (spelling.step / 7) + kLetterSemitone[static_cast<size_t>(spelling.letter)];
  std::vector<int> lines;
  if (natural > 66) {
    lines.push_back(staffY(38));
  }
  if (natural >= 64) {
    lines.push_back(staffY(36));
  }
  if (natural >= 60) {
    lines.push_back(staffY(34));
  }
  if (natural > 56) {
    lines.push_back(staffY(32));
  }
  if (natural <= 36) {
    lines.push_back(staffY(20));
  }
  if (natural <= 33) {
    lines.push_back(staffY(18));
  }
  return lines;
}

DurationGlyph durationGlyph(uint16_t duration) {
  constexpr std::array<uint16_t, 6> plain = {4000, 2000, 1000, 500, 250, 125};
  constexpr std::array<uint16_t, 5> dotted = {3000, 1500, 750, 375, 188};
  for (size_t i = 0; i < dotted.size(); ++i) {
    if (duration == dotted[i]) {
      return {static_cast<int>(i) + 1, true};
    }
  }
  for (size_t i = 0; i < plain.size(); ++i) {
    if (duration >= plain[i]) {
      return {static_cast<int>(i), false};
    }
  }
  return {5, false};
}

bool stemDown(const Spelling &spelling) {
  const int octave = spelling.step / 7;
  return octave > 3 || (octave == 3 && spelling.letter == 6);
}

int signWidth(Accidental sign, const GlyphWidths &widths) {
  switch (sign) {
  case Accidental::Sharp:
    return widths.sharp;
  case Accidental::Flat:
    return widths.flat;
  case Accidental::Natural:
    return widths.natural;
  case Accidental::None:
    break;
  }
  return 0;
}

int entryWidth(const NoteEntry &entry, uint16_t keyId, const GlyphWidths &widths) {
  const DurationGlyph glyph = durationGlyph(entry.duration);
  const int tail = glyph.dotted ? 6 : 3;
  switch (kindOf(entry.code)) {
  case EntryKind::Note: {
    const Spelling spelling = spellNote(entry.code, keyId);
    const int sign = spelling.sign == Accidental::None ? 0 : signWidth(spelling.sign, widths) - 2;
    return sign + widths.head[static_cast<size_t>(glyph.index)] + tail;
  }
  case EntryKind::Rest:
    return widths.rest[static_cast<size_t>(glyph.index)] + tail;
  case EntryKind::Mark:
    if (entry.code == kLeftRepeat) {
      return widths.leftRepeat + 3;
    }
    return entry.code == kRightRepeat ? widths.rightRepeat + 3 : 0;
  case EntryKind::Bar:
    return 8;
  case EntryKind::Other:
    break;
  }
  return 0;
}

int keySignatureWidth(uint16_t keyId) {
  const KeySignature &key = keySignature(keyId);
  return kKeySignSpacing + kKeySignSpacing * (key.sharps + key.flats);
}

int scoreMargin(uint16_t keyId) {
  return kClefWidth + keySignatureWidth(keyId);
}

std::vector<KeySign> keySignatureSigns(uint16_t keyId) {
  const KeySignature &key = keySignature(keyId);
  const bool sharp = key.sharps > 0;
  const auto &order = sharp ? kSharpLetters : kFlatLetters;
  std::vector<KeySign> signs;
  for (int i = 0; i < key.sharps + key.flats; ++i) {
    const KeyLetter &l = order[static_cast<size_t>(i)];
    signs.push_back({kKeySignatureLeft + kKeySignSpacing * i, 7 * l.octave + l.letter,
                     sharp ? Accidental::Sharp : Accidental::Flat});
  }
  return signs;
}

std::vector<int> entryOffsets(const CMelody &melody, const GlyphWidths &widths) {
  std::vector<int> offsets(static_cast<size_t>(melody.count()) + 1, 0);
  for (int i = 0; i < melody.count(); ++i) {
    offsets[static_cast<size_t>(i) + 1] =
        offsets[static_cast<size_t>(i)] + entryWidth(melody.at(i), melody.key(), widths);
  }
  return offsets;
}

int StripView::entryAt(int dx) const {
  const int target = start(first) + std::max(dx, 0);
  const auto begin = offsets->begin() + first;
  // The last entry starting at or before the target whose end lies past it.
  const auto it = std::upper_bound(begin, offsets->end(), target);
  return std::clamp(static_cast<int>(it - offsets->begin()) - 1, first, count());
}

int StripView::endVisible() const {
  int i = first;
  while (i < count() && x(i) < visibleWidth) {
    ++i;
  }
  return i;
}

int StripView::lastFirst() const {
  return entryAtPosition(*offsets, std::max(0, start(count()) + kEndSlack - visibleWidth));
}

int scrollToShow(const StripView &view, int cursor) {
  cursor = std::clamp(cursor, 0, view.count());
  int first = std::min({view.first, cursor, view.lastFirst()});
  const int right = cursor < view.count() ? view.start(cursor + 1) : view.start(cursor) + kEndSlack;
  while (first < cursor && right - view.start(first) > view.visibleWidth) {
    ++first;
  }
  return first;
}

int entryAtPosition(const std::vector<int> &offsets, int position) {
  const auto it = std::upper_bound(offsets.begin(), offsets.end() - 1, position);
  return std::max(0, static_cast<int>(it - offsets.begin()) - 1);
}

std::pair<int, int> dragSelection(int cursor, int pointer, int count) {
  if (pointer >= cursor) {
    return {cursor, std::min(pointer + 1, count)};
  }
  return {pointer, cursor};
}

std::optional<NaturalNote> entryStaffNote(int x, int y, uint16_t keyId) {
  if (x < scoreMargin(keyId)) {
    return std::nullopt;
  }
  for (int n = 29; n <= 12 * 6; ++n) {
    const int semitone = n % 12;
    if (!isWhite(semitone) || staffY(7 * (n / 12) + letterOfWhite(semitone)) > y) {
      continue;
    }
    if (n < 31 || n > 59) {
      return std::nullopt;
    }
    return NaturalNote{n / 12, semitone};
  }
  return std::nullopt;
}

int ghostX(uint16_t keyId) {
  return scoreMargin(keyId) + kGhostGap;
}

Spelling ghostSpelling(const NaturalNote &note, Accidental tool) {
  const int letter = letterOfWhite(note.semitone);
  return Spelling{letter, 7 * note.octave + letter, tool};
}

namespace {

constexpr PianoKey black(int l, int r, int o, int s, bool silent = false) {
  return {l, r, 169, 198, o, s, true, silent};
}
constexpr PianoKey white(int l, int o, int s) {
  return {l, l + 19, 169, 221, o, s, false, false};
}

} // namespace

const std::array<PianoKey, 30> kPianoKeys = {{
    black(74, 82, 2, 6, true), black(86, 102, 2, 8),  black(106, 122, 2, 10), white(74, 2, 7),
    white(94, 2, 9),           white(114, 2, 11),     black(146, 162, 3, 1),  black(166, 182, 3, 3),
    black(206, 222, 3, 6),     black(226, 242, 3, 8), black(246, 262, 3, 10), white(134, 3, 0),
    white(154, 3, 2),          white(174, 3, 4),      white(194, 3, 5),       white(214, 3, 7),
    white(234, 3, 9),          white(254, 3, 11),     black(286, 302, 4, 1),  black(306, 322, 4, 3),
    black(346, 362, 4, 6),     black(366, 382, 4, 8), black(386, 402, 4, 10), white(274, 4, 0),
    white(294, 4, 2),          white(314, 4, 4),      white(334, 4, 5),       white(354, 4, 7),
    white(374, 4, 9),          white(394, 4, 11),
}};

int pianoKeyAt(int x, int y) {
  for (size_t i = 0; i < kPianoKeys.size(); ++i) {
    const PianoKey &k = kPianoKeys[i];
    if (x >= k.left && x <= k.right && y >= k.top && y <= k.bottom) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

} // namespace pdx::melody
