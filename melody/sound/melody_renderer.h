// Playing a melody offline: the player runs in virtual time against a
// recorder, so the timing and the repeat rules are the player's own, and
// the recorded tones become 16-bit mono samples in a WAV file.
#pragma once

#include "core/base/doc_result.h"
#include "melody/file/melody.h"
#include "melody/player/recording_output.h"

#include <filesystem>
#include <functional>
#include <span>
#include <vector>

namespace pdx::melody {

struct RenderOptions {
  unsigned sampleRate = 44100;
  // Melodies that never end (an end mark, endless repeats) stop here.
  Millis limit = Millis(10 * 60 * 1000);
};

// The tone changes of one play from the first entry, and the time play
// ended (at most the limit).
struct ToneTimeline {
  std::vector<ToneEvent> events;
  Millis length{0};
};

ToneTimeline playOffline(const CMelody &melody, Millis limit);

// Number of samples `timeline` takes at `rate`.
size_t sampleCount(const ToneTimeline &timeline, unsigned rate);
// Generates the samples in order, handing them over in blocks.
void synthesize(const ToneTimeline &timeline, unsigned rate,
                const std::function<void(std::span<const int16_t>)> &sink);

// The 44-byte header of a 16-bit mono PCM WAV file.
std::vector<uint8_t> wavHeader(unsigned rate, size_t samples);

// Renders `melody` into a WAV file, replacing `path` only once it is
// complete: Ok, CannotCreate or WriteError.
DocResult renderToWav(const CMelody &melody, const std::filesystem::path &path, const RenderOptions &options);

} // namespace pdx::melody
