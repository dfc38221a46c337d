// One voice out of a track's notes: the highest note sounding at each moment,
// as stretches that follow each other from time 0 without gaps. Built while
// the track is read, so only the sounding notes are held.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace pdx::melody {

struct VoiceSpan {
  int pitch = -1; // MIDI note number, or -1 for silence
  int64_t start = 0;
  int64_t end = 0;
};

class VoiceTracker {
public:
  // Receives each stretch once it is complete, in time order.
  using Sink = std::function<void(const VoiceSpan &)>;
  explicit VoiceTracker(Sink sink) : sink_(std::move(sink)) {}

  // Events in time order; `key` tells apart the same pitch on different
  // channels. A note-on of a sounding key ends that note first.
  void note(int64_t at, int key, int pitch, bool on);
  // Ends the notes still sounding and the voice at `at`.
  void end(int64_t at);
  // True when more than one note sounded at once somewhere.
  bool chords() const { return chords_; }

private:
  // Highest pitch first, then the latest started, then the latest read.
  using Sounding = std::tuple<int, int64_t, uint64_t>;

  void advance(int64_t to);
  void stopKey(int key);

  Sink sink_;
  std::set<Sounding> sounding_;
  std::map<int, Sounding> byKey_;
  VoiceSpan pending_;
  uint64_t pendingId_ = 0; // the note of the pending stretch; 0 for silence
  uint64_t read_ = 0;      // notes started so far
  int64_t at_ = 0;
  bool chords_ = false;
};

} // namespace pdx::melody
