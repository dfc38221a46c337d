// Helpers for tests that need melodies and raw file bytes.
#pragma once

#include "core/base/bytes.h"
#include "melody/file/melody.h"

#include <string_view>
#include <vector>

namespace pdx::melody::testing {

inline CMelody makeMelody(const std::vector<NoteEntry> &entries, uint16_t tempo = kDefaultTempo) {
  CMelody melody;
  melody.assignStored(entries);
  melody.setStoredTempo(tempo);
  melody.recomputeEncodedLength();
  return melody;
}

inline NoteEntry note(uint16_t duration, int octave, int semitone) {
  return {duration, static_cast<uint16_t>((octave << 4) | semitone)};
}
inline NoteEntry rest(uint16_t duration) {
  return {duration, kRest};
}
inline NoteEntry mark(uint16_t code) {
  return {0, code};
}

// Entries of encoded length `length`: notes alternating between two
// durations (2 bytes each), then a repeat sign (1 byte) when `length` is odd;
// with `bars`, a bar line (no byte) after each note.
inline std::vector<NoteEntry> entriesOfLength(int length, bool bars = false) {
  std::vector<NoteEntry> out;
  for (int i = 0; i < length / 2; ++i) {
    out.push_back(note(i % 2 ? 500 : 1000, 3, 0));
    if (bars) {
      out.push_back(mark(kBarLine));
    }
  }
  if (length % 2) {
    out.push_back(mark(kLeftRepeat));
  }
  return out;
}

inline std::vector<NoteEntry> entriesOf(const CMelody &melody) {
  return {melody.entries().begin(), melody.entries().end()};
}

// The 64-byte header with the given version words.
inline void writeHeader(ByteWriter &out, uint16_t major = 1, uint16_t minor = 1, uint16_t third = 2) {
  out.text("Brevanto Data - QZ Telecom\x1A", 32);
  out.u16(major);
  out.u16(minor);
  out.u16(third);
  out.text("qorvane", 26);
}

struct RawRecord {
  RawRecord(std::string_view n, uint16_t t = 120, uint16_t k = 0, std::vector<NoteEntry> e = {})
      : name(n), tempo(t), key(k), entries(std::move(e)) {}
  std::string_view name;
  uint16_t tempo;
  uint16_t key;
  std::vector<NoteEntry> entries;
  int32_t storedLength = 0;
  int32_t announced = -1; // entry count written; -1 writes entries.size()
};

inline std::vector<uint8_t> fileBytes(std::string_view title, const std::vector<RawRecord> &records,
                                      uint16_t minor = 1) {
  ByteWriter out;
  writeHeader(out, 1, minor, minor == 0 ? 1 : 2);
  out.text(title, 32);
  out.u32(static_cast<uint32_t>(records.size()));
  for (const RawRecord &r : records) {
    out.text(r.name, 16);
    out.u16(r.tempo);
    out.u16(r.key);
    out.u32(static_cast<uint32_t>(r.announced >= 0 ? r.announced : static_cast<int32_t>(r.entries.size())));
    out.u32(static_cast<uint32_t>(r.storedLength));
    for (const NoteEntry &e : r.entries) {
      out.u16(e.duration);
      out.u16(e.code);
    }
  }
  return out.take();
}

} // namespace pdx::melody::testing
