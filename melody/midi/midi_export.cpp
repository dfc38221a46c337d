#include "core/base/virtual_event_loop.h"
#include "melody/midi/midi.h"
#include "melody/player/melody_player.h"

#include <algorithm>

namespace pdx::melody {

namespace {

// A melody that never ends stops here, as the WAV renderer stops it.
constexpr Millis kPlayLimit = Millis(10 * 60 * 1000);
// Microseconds a quarter note in a tempo event's three bytes: at most 3.6 a minute.
constexpr uint32_t kSlowestTempo = 0xFFFFFF;

// Notes the player starts, in the order it plays them: the entry index of
// every Sound call while the play loop runs.
class EntryRecorder : public ToneOutput {
public:
  void attach(const CMelodyPlayer &player) { player_ = &player; }
  void toneOn(unsigned) override { record(); }
  void toneOff() override { record(); }
  bool stopped = false;
  std::vector<int> played;

private:
  void record() {
    // The silence after the loop or after the time limit is not an entry.
    if (player_->playing() && !stopped) {
      played.push_back(player_->position() - 1);
    }
  }
  const CMelodyPlayer *player_ = nullptr;
};

std::vector<int> playedEntries(const CMelody &melody) {
  VirtualEventLoop loop;
  EntryRecorder recorder;
  CMelodyPlayer player(loop, recorder);
  recorder.attach(player);
  player.SetMelody(&melody);
  loop.startTimer(kPlayLimit, false, [&] {
    recorder.stopped = true;
    player.Stop();
  });
  player.Play(0, -1);
  return recorder.played;
}

void vlq(std::vector<uint8_t> &out, uint32_t value) {
  uint8_t bytes[4];
  int n = 0;
  do {
    bytes[n++] = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0 && n < 4);
  while (n > 1) {
    out.push_back(bytes[--n] | 0x80);
  }
  out.push_back(bytes[0]);
}

class TrackWriter {
public:
  void event(int64_t at, std::initializer_list<uint8_t> bytes) {
    vlq(data, static_cast<uint32_t>(at - last_));
    last_ = at;
    data.insert(data.end(), bytes);
  }
  void meta(int64_t at, uint8_t type, const std::string &payload) {
    event(at, {0xFF, type});
    vlq(data, static_cast<uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
  }
  std::vector<uint8_t> data;

private:
  int64_t last_ = 0;
};

int64_t midiTicks(int64_t melodyTicks) {
  return (melodyTicks * kMidiTicksPerQuarter + kQuarter / 2) / kQuarter;
}

uint8_t midiNote(uint16_t code) {
  int note = pitchOf(code) + kMidiPitchOffset;
  while (note > 127) {
    note -= 12;
  }
  return static_cast<uint8_t>(note);
}

} // namespace

std::vector<uint8_t> exportMidi(const CMelody &melody) {
  TrackWriter track;
  track.meta(0, 0x03, melody.name().utf8());
  const uint32_t us = std::min(60000000u / std::max<uint32_t>(melody.tempo(), 1), kSlowestTempo);
  track.meta(0, 0x51,
             std::string{static_cast<char>(us >> 16), static_cast<char>(us >> 8), static_cast<char>(us)});
  int64_t now = 0;
  for (int index : playedEntries(melody)) {
    const NoteEntry e = melody.at(index);
    const int64_t end = now + e.duration;
    if (kindOf(e.code) == EntryKind::Note && e.duration > 0) {
      const uint8_t note = midiNote(e.code);
      track.event(midiTicks(now), {0x90, note, 100});
      track.event(midiTicks(end), {0x80, note, 0});
    }
    now = end;
  }
  track.meta(midiTicks(now), 0x2F, {});
  std::vector<uint8_t> out = {
      'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, kMidiTicksPerQuarter >> 8, kMidiTicksPerQuarter & 0xFF,
      'M', 'T', 'r', 'k'};
  const auto size = static_cast<uint32_t>(track.data.size());
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<uint8_t>(size >> shift));
  }
  out.insert(out.end(), track.data.begin(), track.data.end());
  return out;
}

} // namespace pdx::melody
