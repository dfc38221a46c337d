// Chooses where tones sound, once at start: the PC speaker when its input
// device exists and is writable, otherwise the sound card, otherwise
// nothing (with one line on standard error saying so).
#pragma once

#include "melody/player/tone.h"

#include <cstdio>
#include <memory>

namespace pdx::melody {

class SilentOutput : public ToneOutput {
public:
  void toneOn(unsigned) override {}
  void toneOff() override {}
};

enum class ToneDevice { Automatic, Speaker, SoundCard, Silent };

// The output for `choice`; a device that cannot be opened falls back to the
// silent output, reported on `messages`.
std::unique_ptr<ToneOutput> openToneOutput(ToneDevice choice = ToneDevice::Automatic,
                                           FILE *messages = stderr);

} // namespace pdx::melody
