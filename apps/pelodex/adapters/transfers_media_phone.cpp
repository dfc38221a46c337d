#include "apps/pelodex/adapters/transfers_media_phone.h"

namespace pdx::pelodex {

bool TransfersMediaPhone::sendMelody(std::span<const uint8_t> payload) {
  return transfers_.downloadMelody(payload) == link::Outcome::Ok;
}

bool TransfersMediaPhone::sendAnimation(std::span<const uint8_t> payload) {
  return transfers_.downloadAnimation(payload) == link::Outcome::Ok;
}

} // namespace pdx::pelodex
