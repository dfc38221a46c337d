// One melody: a named, one-voice list of note entries with a tempo and a key
// signature, as the melody files and the editor hold it.
#pragma once

#include "core/base/fixed_text.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pdx::melody {

// Durations in ticks; a quarter note is 1000 ticks.
inline constexpr uint16_t kQuarter = 1000;
inline constexpr uint16_t kThirtySecond = 125;

// Entry codes beyond the notes (0x00 to 0xAF: octave in the high nibble,
// semitone in the low one).
inline constexpr uint16_t kRest = 0xB0;
inline constexpr uint16_t kLeftRepeat = 0xB1;
inline constexpr uint16_t kRightRepeat = 0xB2;
inline constexpr uint16_t kEndMark = 0xB3;
inline constexpr uint16_t kBarLine = 0xB4;

// Pitch numbers (12 x octave + semitone) the phone can play.
inline constexpr int kLowestPlayable = 31;
inline constexpr int kHighestPlayable = 67;

inline constexpr int kMaxEntries = 1024;
// Insertions keep the encoded length below this.
inline constexpr int kEncodedLimit = 498;
inline constexpr uint16_t kDefaultTempo = 120;

struct NoteEntry {
  uint16_t duration = 0;
  uint16_t code = 0;
  friend bool operator==(const NoteEntry &, const NoteEntry &) = default;
};

enum class EntryKind { Note = 0, Rest = 1, Mark = 2, Bar = 3, Other = 4 };

constexpr EntryKind kindOf(uint16_t code) {
  if (code < kRest) {
    return EntryKind::Note;
  }
  if (code == kRest) {
    return EntryKind::Rest;
  }
  if (code <= kEndMark) {
    return EntryKind::Mark;
  }
  return code == kBarLine ? EntryKind::Bar : EntryKind::Other;
}

// True for the entries that sound or keep silent for their duration.
constexpr bool isTimed(uint16_t code) {
  return code <= kRest;
}

constexpr int pitchOf(uint16_t code) {
  return 12 * (code >> 4) + (code & 0x0F);
}
constexpr uint16_t codeOfPitch(int pitch) {
  return static_cast<uint16_t>(((pitch / 12) << 4) | (pitch % 12));
}
constexpr bool isPlayablePitch(int pitch) {
  return pitch >= kLowestPlayable && pitch <= kHighestPlayable;
}

// Bytes the phone encoding spends on `entries`: 1 or 2 for each note or rest
// (2 when its duration differs from the previous note or rest), 1 for each
// mark, nothing for bars and unknown codes. Without the final end byte.
int encodedLengthOf(std::span<const NoteEntry> entries);

// Cost of one entry given the duration of the last note or rest before it
// (`previous` < 0 when there is none).
int entryCost(const NoteEntry &entry, int previous);

class CMelody {
public:
  using Name = FixedText<16>;

  CMelody() = default;

  std::span<const NoteEntry> entries() const { return notes_; }
  // Entries past the count (up to kMaxEntries) read as zero, as players
  // stepping a whole score expect.
  const NoteEntry &at(int index) const {
    static constexpr NoteEntry kUnused{};
    return index >= 0 && index < count() ? notes_[static_cast<size_t>(index)] : kUnused;
  }
  int count() const { return static_cast<int>(notes_.size()); }
  bool empty() const { return notes_.empty(); }

  uint16_t tempo() const { return tempo_; }
  uint16_t key() const { return key_; }
  int encodedLength() const { return encodedLength_; }
  bool modified() const { return modified_; }
  const Name &name() const { return name_; }
  Name &name() { return name_; }

  // Store the value and mark the melody modified, even when unchanged.
  void SetTempo(uint16_t tempo);
  void SetKey(uint16_t key);

  // Inserts `block` before `position` (0..count) without any limit check;
  // the encoded length is set to `newEncodedLength`. The caller checks the
  // limits first (the score editor, the file reader).
  void insertRaw(int position, std::span<const NoteEntry> block, int newEncodedLength);
  // Removes `n` entries from `position`; false (nothing done) when the range
  // lies outside the melody.
  bool eraseRaw(int position, int n);
  // Gives the note at `index` another pitch; durations and kinds stay, so
  // the encoded length does too.
  void setNoteCode(int index, uint16_t code) { notes_[static_cast<size_t>(index)].code = code; }
  // Appends `entry` when the result stays within 1024 entries and below the
  // encoded limit; false otherwise.
  bool appendIfFits(const NoteEntry &entry);
  void clearEntries();

  // Fields as a file stores them, set without marking the melody modified;
  // assignStored keeps at most 1024 entries and leaves the encoded length
  // for recomputeEncodedLength.
  void assignStored(std::span<const NoteEntry> entries);
  void setStoredTempo(uint16_t tempo) { tempo_ = tempo; }
  void setStoredKey(uint16_t key) { key_ = key; }
  void recomputeEncodedLength() { encodedLength_ = encodedLengthOf(entries()); }
  // Drops entries from the end until the encoded length is `limit` or less.
  void cutFromEndTo(int limit);
  // Changes the duration of every entry (older files' scale).
  template <typename F> void mapDurations(F f) {
    for (NoteEntry &entry : notes_) {
      entry.duration = f(entry.duration);
    }
  }

  void markModified() { modified_ = true; }
  void clearModified() { modified_ = false; }

private:
  // Only the entries in use, so that a melody costs what its record does.
  std::vector<NoteEntry> notes_;
  uint16_t tempo_ = kDefaultTempo;
  uint16_t key_ = 0;
  int encodedLength_ = 0;
  bool modified_ = false;
  Name name_;
};

} // namespace pdx::melody
