#include "melody/player/tone_timer.h"

namespace pdx::melody {

Millis CToneTimer::noteLength(uint16_t duration) const {
  return Millis(static_cast<uint32_t>(duration) * 60u / static_cast<uint32_t>(tempo_));
}

void CToneTimer::WaitTicks(uint16_t duration) {
  const Millis length = noteLength(duration);
  waiting_ = true;
  const Millis deadline = loop_.now() + length;
  // A wait can end early when a timer's callback stops the timer; waiting
  // again for what is left keeps the note its full length.
  while (waiting_ && loop_.now() < deadline) {
    loop_.waitFor([this] { return !waiting_; }, deadline - loop_.now());
  }
  waiting_ = false;
}

} // namespace pdx::melody
