#include "melody/encode/phone_encoding.h"

#include <array>

namespace pdx::melody {

namespace {

constexpr std::array<uint16_t, 11> kPhoneDurations = {4000, 3000, 2000, 1500, 1000, 750,
                                                      500,  375,  250,  188,  125};
constexpr int kPitchOffset = 17;
constexpr uint8_t kPhoneRest = 51;

// The byte an entry adds after its duration byte, or -1 for none.
int entryByte(uint16_t code) {
  switch (code) {
  case kRest:
    return kPhoneRest;
  case kLeftRepeat:
    return 0;
  case kRightRepeat:
    return 1;
  case kEndMark:
    return kPhoneEndByte;
  default:
    break;
  }
  if (kindOf(code) == EntryKind::Note && isPlayablePitch(pitchOf(code))) {
    return pitchOf(code) - kPitchOffset;
  }
  return -1;
}

} // namespace

uint8_t phoneDurationByte(uint16_t duration) {
  for (size_t i = 0; i < kPhoneDurations.size(); ++i) {
    if (kPhoneDurations[i] <= duration) {
      return static_cast<uint8_t>(3 + i);
    }
  }
  return static_cast<uint8_t>(3 + kPhoneDurations.size() - 1);
}

std::vector<uint8_t> encodeForPhone(const CMelody &melody) {
  std::vector<uint8_t> out;
  int lastDuration = -1;
  for (const NoteEntry &entry : melody.entries()) {
    if (isTimed(entry.code) && entry.duration != lastDuration) {
      out.push_back(phoneDurationByte(entry.duration));
      lastDuration = entry.duration;
    }
    const int byte = entryByte(entry.code);
    if (byte >= 0) {
      out.push_back(static_cast<uint8_t>(byte));
    }
  }
  if (out.empty() || out.back() != kPhoneEndByte) {
    out.push_back(kPhoneEndByte);
  }
  return out;
}

std::vector<uint8_t> buildMelodySetPayload(uint8_t slot, const CMelody &melody) {
  std::vector<uint8_t> data = encodeForPhone(melody);
  if (data.size() > kMaxPhoneData) {
    data.resize(kMaxPhoneData);
    data.back() = kPhoneEndByte;
  }
  std::vector<uint8_t> out;
  out.reserve(22 + data.size());
  out.push_back(slot);
  const std::string_view name = melody.name().view();
  for (size_t i = 0; i < 16; ++i) {
    out.push_back(i < name.size() ? static_cast<uint8_t>(name[i]) : 0);
  }
  out.push_back(0);
  out.push_back(static_cast<uint8_t>(melody.tempo() & 0xFF));
  out.push_back(static_cast<uint8_t>(data.size() >> 8));
  out.push_back(static_cast<uint8_t>(data.size() & 0xFF));
  out.insert(out.end(), data.begin(), data.end());
  out.push_back(0);
  return out;
}

} // namespace pdx::melody
