#include "link/wire/download_wire.h"

namespace pdx::link::wire {

Bytes encodeAnimationPayload(uint8_t slot, std::string_view name, int effect, std::span<const uint8_t> rows) {
  const Bytes picture = padded(rows.first(std::min(rows.size(), kPictureSize)), kPictureSize);
  Bytes out(kAnimationPayloadSize, 0);
  out[0] = slot;
  putText(out, 1, name, 16);
  out[18] = static_cast<uint8_t>(effect + 1);
  std::copy(picture.begin(), picture.end(), out.begin() + 19);
  return out;
}

} // namespace pdx::link::wire
