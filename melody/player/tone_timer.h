// Waiting for the length of a note on the program's event loop, so that the
// windows stay responsive and a pause or stop can end the wait early.
#pragma once

#include "core/base/event_loop.h"

#include <cstdint>

namespace pdx::melody {

class CToneTimer {
public:
  explicit CToneTimer(EventLoop &loop) : loop_(loop) {}

  // Beats per minute; 0 (only a damaged file holds it) counts as 1.
  void setTempo(int tempo) { tempo_ = tempo > 0 ? tempo : 1; }
  int tempo() const { return tempo_; }

  // Milliseconds of `duration` ticks at the tempo: duration x 60 / tempo,
  // truncated.
  Millis noteLength(uint16_t duration) const;
  // Blocks on the event loop until the note's time has passed or Cancel ran
  // (from a call dispatched while waiting).
  void WaitTicks(uint16_t duration);
  void Cancel() { waiting_ = false; }
  bool waiting() const { return waiting_; }

private:
  EventLoop &loop_;
  int tempo_ = 120;
  bool waiting_ = false;
};

} // namespace pdx::melody
