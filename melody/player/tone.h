// One square-wave tone at a time: the frequency table of the notes and the
// tone routine (ToneOn, ToneOff, Sound) over an exchangeable tone output.
#pragma once

#include <cstdint>

namespace pdx::melody {

// Where tones sound: the PC speaker, the sound card, a recorder or nothing.
// A tone keeps sounding until it is retuned or silenced.
class ToneOutput {
public:
  virtual ~ToneOutput() = default;
  // Starts the tone at `hz`, or only retunes it when one is sounding.
  virtual void toneOn(unsigned hz) = 0;
  virtual void toneOff() = 0;
};

// Frequency in Hz of a note (the two nibbles of its code). Octaves above 5
// double the octave-5 value per octave; semitones 12 to 15 count on into the
// next octave, as the pitch number 12 x octave + semitone does.
unsigned noteFrequency(int octave, int semitone);

void ToneOn(ToneOutput &out, int octave, int semitone);
void ToneOff(ToneOutput &out);
// A rest silences, repeat signs and the end mark do nothing, any other code
// sounds as a note.
void Sound(ToneOutput &out, uint16_t code);

} // namespace pdx::melody
