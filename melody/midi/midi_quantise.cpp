#include "melody/midi/midi_quantise.h"

#include "melody/file/melody.h"
#include "melody/midi/midi.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace pdx::melody {

namespace {

// The phone's note values, longest first.
constexpr std::array<uint16_t, 11> kValues = {4000, 3000, 2000, 1500, 1000, 750, 500, 375, 250, 188, 125};
// No stretch can fill more than a melody of whole notes, so longer times are
// cut there before they are valued.
constexpr int64_t kLongestStretch = int64_t{kMaxEntries} * 4000;
// MIDI notes 0 to 127 reach the phone's range within this many octaves.
constexpr int kMaxShift = 6;

// The value within an eighth of `length`, nearest first; 0 when none is.
uint16_t valueNear(int64_t length) {
  uint16_t best = 0;
  for (const uint16_t v : kValues) {
    const int64_t off = std::abs(length - v);
    if (off * 8 <= v && (best == 0 || off < std::abs(length - best))) {
      best = v;
    }
  }
  return best;
}

// True when `length` is a value give or take the rounding of MIDI ticks.
bool isCleanValue(int64_t length) {
  return std::any_of(kValues.begin(), kValues.end(),
                     [&](uint16_t v) { return std::abs(length - v) * 32 <= v; });
}

int64_t melodyTicks(int64_t ticks, int division) {
  const int64_t capped = std::min(ticks, kLongestStretch * division / kQuarter + 1);
  return std::min((capped * kQuarter + division / 2) / division, kLongestStretch);
}

} // namespace

std::vector<uint16_t> noteValues(int64_t length) {
  std::vector<uint16_t> values;
  while (true) {
    if (const uint16_t near = valueNear(length)) {
      values.push_back(near);
      return values;
    }
    const auto fits = std::find_if(kValues.begin(), kValues.end(), [&](uint16_t v) { return v <= length; });
    if (fits == kValues.end()) {
      return values;
    }
    values.push_back(*fits);
    length -= *fits;
  }
}

Stretch nextStretch(std::span<const VoiceSpan> spans, int division) {
  const VoiceSpan &first = spans.front();
  Stretch s{first.pitch, melodyTicks(first.end - first.start, division), 1};
  if (first.pitch < 0 || spans.size() < 2 || spans[1].pitch >= 0) {
    return s;
  }
  const int64_t gap = melodyTicks(spans[1].end - spans[1].start, division);
  const int64_t together = std::min(s.length + gap, kLongestStretch);
  if (noteValues(gap).empty() || (!isCleanValue(s.length) && valueNear(together) != 0)) {
    s.length = together;
    s.spans = 2;
  }
  return s;
}

int bestOctaveShift(std::span<const VoiceSpan> spans) {
  int best = 0;
  int64_t bestTime = -1;
  for (int step = 0; step <= 2 * kMaxShift; ++step) {
    const int shift = step % 2 == 1 ? (step + 1) / 2 : -step / 2;
    int64_t time = 0;
    for (const VoiceSpan &s : spans) {
      if (s.pitch >= 0 && isPlayablePitch(s.pitch - kMidiPitchOffset + 12 * shift)) {
        time += s.end - s.start;
      }
    }
    if (time > bestTime) {
      best = shift;
      bestTime = time;
    }
  }
  return best;
}

int phonePitch(int midiNote, int shift, int &folded) {
  int p = midiNote - kMidiPitchOffset + 12 * shift;
  folded += isPlayablePitch(p) ? 0 : 1;
  while (p < kLowestPlayable) {
    p += 12;
  }
  while (p > kHighestPlayable) {
    p -= 12;
  }
  return p;
}

} // namespace pdx::melody
