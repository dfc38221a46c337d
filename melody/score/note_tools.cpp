#include "melody/score/note_tools.h"

#include "melody/file/melody.h"

namespace pdx::melody {

uint16_t toolDuration(int tool, bool dotted) {
  switch (tool) {
  case kWholeNote:
  case kWholeRest:
    return 4000;
  case kHalfNote:
  case kHalfRest:
    return dotted ? 3000 : 2000;
  case kQuarterNote:
  case kQuarterRest:
    return dotted ? 1500 : 1000;
  case kEighthNote:
  case kEighthRest:
    return dotted ? 750 : 500;
  case kSixteenthNote:
  case kSixteenthRest:
    return dotted ? 375 : 250;
  case kThirtySecondNote:
  case kThirtySecondRest:
    return dotted ? 188 : 125;
  default:
    return kQuarter;
  }
}

bool isRestTool(int tool) {
  return tool >= kWholeRest && tool <= kThirtySecondRest && tool % 2 == 1;
}

bool isWholeTool(int tool) {
  return tool == kWholeNote || tool == kWholeRest;
}

std::optional<StaffNote> adjustForKey(StaffNote picked, Accidental tool, uint16_t keyId) {
  int step = 0;
  switch (tool) {
  case Accidental::Sharp:
    step = 1;
    break;
  case Accidental::Flat:
    step = -1;
    break;
  case Accidental::Natural:
    break;
  case Accidental::None: {
    const Accidental implied = impliedAccidental(keySignature(keyId), picked.semitone);
    step = implied == Accidental::Sharp ? 1 : (implied == Accidental::Flat ? -1 : 0);
    break;
  }
  }
  const int pitch = 12 * picked.octave + picked.semitone + step;
  if (pitch < 0) {
    return std::nullopt;
  }
  const StaffNote adjusted{pitch / 12, pitch % 12};
  if (!noteCode(adjusted)) {
    return std::nullopt;
  }
  return adjusted;
}

std::optional<uint16_t> noteCode(StaffNote note) {
  if (note.octave < 0 || note.semitone < 0 || note.semitone > 11) {
    return std::nullopt;
  }
  const int code = (note.octave << 4) | note.semitone;
  if (code >= kRest) {
    return std::nullopt;
  }
  return static_cast<uint16_t>(code);
}

} // namespace pdx::melody
