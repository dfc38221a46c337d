// Reads the notes and tempo changes out of a Standard MIDI File (types 0 and
// 1, running status, meta and system-exclusive events skipped), refusing a
// damaged file as a whole.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pdx::melody {

struct MidiNote {
  int64_t start = 0; // ticks
  int64_t end = 0;
  int pitch = 0;   // 0..127
  int channel = 0; // 0..15
};

struct MidiTrack {
  std::vector<MidiNote> notes;
  std::string name; // the first track name, as stored
  int64_t end = 0;  // the time of the track's last event
};

struct MidiTempo {
  int64_t at = 0;
  uint32_t microsPerQuarter = 500000;
};

struct MidiSong {
  int format = 0;
  int division = 480; // ticks per quarter note
  std::vector<MidiTrack> tracks;
  std::vector<MidiTempo> tempos;
};

struct MidiReadResult {
  std::optional<MidiSong> song;
  std::string error; // UTF-8, when song is empty
};

MidiReadResult readMidi(std::span<const uint8_t> bytes);

} // namespace pdx::melody
