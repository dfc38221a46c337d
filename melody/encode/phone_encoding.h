// The phone's own melody encoding and the payload of the melody-set request
// that carries it to one of the phone's three melody slots.
#pragma once

#include "melody/file/melody.h"

#include <cstdint>
#include <vector>

namespace pdx::melody {

// Most data bytes one request carries.
inline constexpr size_t kMaxPhoneData = 500;
inline constexpr uint8_t kPhoneEndByte = 2;

// Duration byte of a note or rest: 3 + the index of the first value of the
// phone's list (4000 down to 125) that is not above `duration`; 13 below 188.
uint8_t phoneDurationByte(uint16_t duration);

// The melody in the phone's encoding: a duration byte whenever the duration
// changes, then one byte per note (pitch - 17, for pitches 31 to 67), rest
// (51), left repeat (0), right repeat (1) or end mark (2); always ending in
// the end byte 2.
std::vector<uint8_t> encodeForPhone(const CMelody &melody);

// The request's payload: slot, 16-byte name, 0, the tempo's low byte, the
// data length (high byte first), the data and a final 0; 22 + n bytes. Data
// longer than 500 bytes is cut to 500 with the end byte kept last, so the
// phone always receives a terminated melody.
std::vector<uint8_t> buildMelodySetPayload(uint8_t slot, const CMelody &melody);

} // namespace pdx::melody
