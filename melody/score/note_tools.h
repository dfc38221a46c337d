// The duration tools of the editor (command identifiers of its buttons) and
// how a note picked on the staff is adjusted by the accidental and the key.
#pragma once

#include "melody/file/keys.h"

#include <cstdint>
#include <optional>

namespace pdx::melody {

enum NoteTool : int {
  kWholeNote = 4431,
  kHalfNote = 4433,
  kQuarterNote = 4435,
  kEighthNote = 4437,
  kSixteenthNote = 4439,
  kThirtySecondNote = 4441,
  kWholeRest = 4451,
  kHalfRest = 4453,
  kQuarterRest = 4455,
  kEighthRest = 4457,
  kSixteenthRest = 4459,
  kThirtySecondRest = 4461,
};

// Ticks for a tool, plain or dotted; 1000 for a tool not in the table.
uint16_t toolDuration(int tool, bool dotted);
bool isRestTool(int tool);
// The whole note and the whole rest cannot be dotted.
bool isWholeTool(int tool);

struct StaffNote {
  int octave;
  int semitone;
};

// The natural note `picked` adjusted by the accidental tool or, without one,
// by what the key implies; semitones past 11 or below 0 move to the next or
// previous octave. nullopt when the result has no note code.
std::optional<StaffNote> adjustForKey(StaffNote picked, Accidental tool, uint16_t keyId);
// The code of a note (octave in the high nibble); nullopt outside 0x00-0xAF.
std::optional<uint16_t> noteCode(StaffNote note);

} // namespace pdx::melody
