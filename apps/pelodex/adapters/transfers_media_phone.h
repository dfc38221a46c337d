// The melody and animation pages' phone over the link's transfers: each
// download counts only when the phone answered PC_OK.
#pragma once

#include "features/common/media_ports.h"
#include "link/transfer/transfers.h"

namespace pdx::pelodex {

class TransfersMediaPhone : public features::MediaPhone {
public:
  explicit TransfersMediaPhone(link::PhoneTransfers &transfers) : transfers_(transfers) {}

  bool sendMelody(std::span<const uint8_t> payload) override;
  bool sendAnimation(std::span<const uint8_t> payload) override;

private:
  link::PhoneTransfers &transfers_;
};

} // namespace pdx::pelodex
