// A tone output for tests and offline rendering: records every change with
// the event loop's time.
#pragma once

#include "core/base/event_loop.h"
#include "melody/player/tone.h"

#include <vector>

namespace pdx::melody {

struct ToneEvent {
  Millis at;
  unsigned hz; // 0: silence
  friend bool operator==(const ToneEvent &, const ToneEvent &) = default;
};

class RecordingOutput : public ToneOutput {
public:
  explicit RecordingOutput(const EventLoop &clock) : clock_(clock) {}
  void toneOn(unsigned hz) override { events_.push_back({clock_.now(), hz}); }
  void toneOff() override { events_.push_back({clock_.now(), 0}); }
  const std::vector<ToneEvent> &events() const { return events_; }
  void clear() { events_.clear(); }
  // The frequencies started, in order, without the silences.
  std::vector<unsigned> tones() const {
    std::vector<unsigned> out;
    for (const ToneEvent &e : events_) {
      if (e.hz != 0) {
        out.push_back(e.hz);
      }
    }
    return out;
  }

private:
  const EventLoop &clock_;
  std::vector<ToneEvent> events_;
};

} // namespace pdx::melody
