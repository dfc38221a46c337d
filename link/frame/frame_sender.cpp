#include "link/frame/frame_sender.h"

namespace pdx::link {

void FrameSender::pause(Millis span) {
  (void)loop_.waitFor([] { return false; }, span);
}

size_t FrameSender::send(uint8_t code, std::span<const uint8_t> data) {
  pause(kFramePause);
  size_t written = 0;
  for (uint8_t byte : encodeFrame(code, data)) {
    written = device_.writeByte(byte);
  }
  return written;
}

} // namespace pdx::link
