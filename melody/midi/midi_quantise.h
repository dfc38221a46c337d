// From MIDI time and pitch to the phone's note values and range. Each stretch
// is valued on its own, so the same length always gives the same values.
#pragma once

#include "melody/midi/midi_voice.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pdx::melody {

// The phone's values for `length` melody ticks: the nearest value when the
// length lies within an eighth of it, else the longest value that fits and
// the values of what is left. Nothing for a length too short for any value.
std::vector<uint16_t> noteValues(int64_t length);

// One note or rest of the melody, taken from the front of the voice.
struct Stretch {
  int pitch = -1;     // MIDI note number, or -1 for a rest
  int64_t length = 0; // melody ticks
  size_t spans = 1;   // voice stretches it covers
};

// The stretch that starts the voice `spans` (not empty). A note takes the
// silence after it when that silence is too short for any value, or when the
// note is not a clean value but note and silence together make one; so a
// note held for 90 % of its beat becomes one note of the beat's value.
Stretch nextStretch(std::span<const VoiceSpan> spans, int division);

// Octaves (12 semitones each) to add to every note of the voice so that the
// longest sounding time falls within the phone's range; the smallest move
// among equals, upwards first.
int bestOctaveShift(std::span<const VoiceSpan> spans);

// The phone pitch of a MIDI note after the voice's shift; a note still out
// of range is moved by octaves into it and `folded` counts it.
int phonePitch(int midiNote, int shift, int &folded);

} // namespace pdx::melody
