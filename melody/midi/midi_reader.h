// Walks a Standard MIDI File (types 0, 1 and 2, running status; meta and
// system-exclusive events skipped, as are the system common and real-time
// messages a player skips) and hands its events to a handler in file order,
// refusing a damaged file as a whole. The reader keeps nothing itself, so
// memory stays that of the handler whatever times and lengths the file holds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pdx::melody {

class MidiHandler {
public:
  virtual ~MidiHandler() = default;
  virtual void trackStart(int track) = 0;
  // A note-on with velocity 0 arrives as off. Times are the track's ticks.
  virtual void note(int64_t at, int channel, int pitch, bool on) = 0;
  virtual void tempo(int64_t at, uint32_t microsPerQuarter) = 0;
  // The track's first name, as stored.
  virtual void trackName(std::string_view name) = 0;
  // `at` is the time of the track's last event.
  virtual void trackEnd(int64_t at) = 0;
};

struct MidiReadResult {
  bool ok = false;
  std::string error;  // UTF-8, when not ok
  int division = 480; // ticks per quarter note
  int skippedSystemMessages = 0;
};

MidiReadResult readMidi(std::span<const uint8_t> bytes, MidiHandler &handler);

} // namespace pdx::melody
