// The PC speaker through the Linux input device of the pcspkr driver: an
// EV_SND / SND_TONE event starts, retunes or (with 0) silences the tone.
#pragma once

#include "melody/player/tone.h"

#include <filesystem>
#include <memory>

namespace pdx::melody {

class PcSpeakerOutput : public ToneOutput {
public:
  // The first writable event device under `inputDir` that can sound tones,
  // or nullptr.
  static std::unique_ptr<PcSpeakerOutput> open(const std::filesystem::path &inputDir = "/dev/input");
  ~PcSpeakerOutput() override;
  PcSpeakerOutput(const PcSpeakerOutput &) = delete;
  PcSpeakerOutput &operator=(const PcSpeakerOutput &) = delete;

  void toneOn(unsigned hz) override;
  void toneOff() override;

private:
  explicit PcSpeakerOutput(int fd) : fd_(fd) {}
  void send(int value);

  int fd_;
};

} // namespace pdx::melody
