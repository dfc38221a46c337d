#include "melody/player/tone.h"

#include "melody/file/melody.h"

#include <algorithm>
#include <array>

namespace pdx::melody {

namespace {

// Rows are semitones; the first column is one octave below octave 0 and is
// never used by a code. A sharp of octave 3 is 923 Hz and F sharp of octave
// 4 is 1475 Hz, as the phone's own table has them.
constexpr std::array<std::array<unsigned, 7>, 12> kFrequencies = {{
    {33, 65, 131, 262, 523, 1047, 2093},
    {35, 69, 139, 277, 554, 1109, 2217},
    {37, 73, 147, 294, 587, 1175, 2349},
    {39, 78, 156, 311, 622, 1245, 2489},
    {41, 82, 165, 330, 659, 1319, 2637},
    {44, 87, 175, 349, 698, 1397, 2794},
    {46, 93, 185, 370, 740, 1475, 2960},
    {49, 98, 196, 392, 784, 1568, 3136},
    {52, 104, 208, 415, 831, 1661, 3322},
    {55, 110, 220, 440, 880, 1760, 3520},
    {58, 117, 233, 466, 923, 1865, 3729},
    {62, 123, 245, 494, 988, 1976, 3951},
}};

constexpr int kHighestColumn = 5;

} // namespace

unsigned noteFrequency(int octave, int semitone) {
  const int pitch = 12 * octave + semitone;
  const int o = pitch / 12;
  const int s = pitch % 12;
  if (o <= kHighestColumn) {
    return kFrequencies[static_cast<size_t>(s)][static_cast<size_t>(o + 1)];
  }
  // Codes reach octave 4095; past octave 21 the value would not fit.
  return kFrequencies[static_cast<size_t>(s)][kHighestColumn + 1] << std::min(o - kHighestColumn, 16);
}

void ToneOn(ToneOutput &out, int octave, int semitone) {
  out.toneOn(noteFrequency(octave, semitone));
}

void ToneOff(ToneOutput &out) {
  out.toneOff();
}

void Sound(ToneOutput &out, uint16_t code) {
  if (code == kRest) {
    ToneOff(out);
  } else if (kindOf(code) != EntryKind::Mark) {
    ToneOn(out, code >> 4, code & 0x0F);
  }
}

} // namespace pdx::melody
