// Writes frames the way the phone expects them: a 100 ms pause before every
// frame, then one byte per write call.
#pragma once

#include "core/base/event_loop.h"
#include "link/frame/frame.h"
#include "link/serial/serial_device.h"

namespace pdx::link {

inline constexpr Millis kFramePause{100};

class FrameSender {
public:
  FrameSender(SerialDevice &device, EventLoop &loop) : device_(device), loop_(loop) {}

  // Pauses, then writes the frame; returns the result of the last byte
  // write (1 when the sum byte was written, 0 otherwise).
  size_t send(uint8_t code, std::span<const uint8_t> data);
  // Waits `span` on the loop (timers and posted calls keep running).
  void pause(Millis span);

private:
  SerialDevice &device_;
  EventLoop &loop_;
};

} // namespace pdx::link
