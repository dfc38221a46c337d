// Where the score view puts things: staff heights, how a note is spelled in
// a key, ledger lines, entry widths, the key signature, and the strip's
// scrolling and hit tests. Plain functions over client pixels, so that the
// widgets only paint what these say.
#pragma once

#include "melody/file/keys.h"
#include "melody/file/melody.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pdx::melody {

// Letters of the staff steps: C 0, D 1, ... B 6. A step is 7 x octave +
// letter; step 23 (E of code octave 3) sits on the bottom line.
inline constexpr std::array<int, 7> kLetterSemitone = {0, 2, 4, 5, 7, 9, 11};
inline constexpr int kStaffTop = 45;
inline constexpr int kStaffBottom = 81;
// The clef takes 20 pixels; the key signature follows it.
inline constexpr int kClefWidth = 20;
// The clef's upper curl reaches x 21, so the key's signs start a little
// after the clef's 20 pixels; they still end before the notes.
inline constexpr int kKeySignatureLeft = 23;
// Free pixels after the last entry when the cursor is at the end.
inline constexpr int kEndSlack = 15;

// Reference height of staff step `s`.
int staffY(int step);

struct Spelling {
  int letter = 0; // 0..6
  int step = 0;   // 7 x octave + letter
  Accidental sign = Accidental::None;
};
// How the note `code` is written in the key `keyId`.
Spelling spellNote(uint16_t code, uint16_t keyId);

// Heights of the ledger lines of a note written at `spelling` (highest
// first), at most three.
std::vector<int> ledgerLines(const Spelling &spelling);

// Widths of the glyph pictures the strip is drawn with.
struct GlyphWidths {
  int sharp = 10;
  int flat = 9;
  int natural = 8;
  std::array<int, 6> head = {14, 14, 14, 18, 18, 18}; // whole .. thirty-second
  std::array<int, 6> rest = {12, 12, 12, 12, 12, 12};
  int leftRepeat = 12;
  int rightRepeat = 12;
};

// The glyph (0 whole .. 5 thirty-second) and dot of a duration.
struct DurationGlyph {
  int index = 2;
  bool dotted = false;
};
DurationGlyph durationGlyph(uint16_t duration);

// The stem of a note written on `step` points down from B of octave 3 up.
bool stemDown(const Spelling &spelling);

int signWidth(Accidental sign, const GlyphWidths &widths);
int entryWidth(const NoteEntry &entry, uint16_t keyId, const GlyphWidths &widths);

// Key signature: 5 + 5 pixels per sign; the entries start after it.
int keySignatureWidth(uint16_t keyId);
int scoreMargin(uint16_t keyId);
struct KeySign {
  int x;
  int step;
  Accidental sign;
};
std::vector<KeySign> keySignatureSigns(uint16_t keyId);

// Start of every entry relative to the first one, and the total width as
// the last element (count + 1 values).
std::vector<int> entryOffsets(const CMelody &melody, const GlyphWidths &widths);

// The strip's scrolling, in entries: `first` is the first visible entry.
struct StripView {
  const std::vector<int> *offsets = nullptr; // from entryOffsets
  int first = 0;
  int visibleWidth = 0; // client width less the margin

  int count() const { return static_cast<int>(offsets->size()) - 1; }
  int start(int index) const { return (*offsets)[static_cast<size_t>(index)]; }
  // The client x of entry `index` (margin added by the caller).
  int x(int index) const { return start(index) - start(first); }
  // The entry under strip x `dx` (from the margin); count past the end.
  int entryAt(int dx) const;
  // The last visible entry + 1 (the painting stops there).
  int endVisible() const;
  // The furthest first entry the scroll bar can reach: beyond it the
  // strip would show blank space while its bar has no room to scroll back.
  int lastFirst() const;
};

// The first visible entry that keeps `cursor` in view, never past
// lastFirst(); at the end 15 pixels stay free after the last entry.
int scrollToShow(const StripView &view, int cursor);
// The entry whose start is the last at or before `position` (a scroll
// bar's value).
int entryAtPosition(const std::vector<int> &offsets, int position);
// The selection a drag from `cursor` to entry `pointer` makes: the entry
// under the pointer is included when it lies right of the cursor.
std::pair<int, int> dragSelection(int cursor, int pointer, int count);

// The natural note the entry staff offers at (x, y): nothing left of the
// key signature or outside the pitches 31 to 59.
struct NaturalNote {
  int octave;
  int semitone;
};
std::optional<NaturalNote> entryStaffNote(int x, int y, uint16_t keyId);
// Where the ghost note stands: 5 pixels after the key signature.
int ghostX(uint16_t keyId);
// How the ghost shows `note`: on the step under the pointer with the sign of
// the accidental tool, whatever the key makes of the note once entered.
Spelling ghostSpelling(const NaturalNote &note, Accidental tool);

// The on-screen piano: 30 keys, black keys first in each group so that they
// win the hit test. The leftmost black key has no picture and never sounds.
struct PianoKey {
  int left, right, top, bottom; // both edges included
  int octave, semitone;
  bool black;
  bool silent;
};
extern const std::array<PianoKey, 30> kPianoKeys;
// Index of the key at (x, y), or -1.
int pianoKeyAt(int x, int y);

} // namespace pdx::melody
