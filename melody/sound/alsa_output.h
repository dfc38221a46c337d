// The sound card through ALSA (PipeWire and PulseAudio serve ALSA clients):
// a worker thread keeps feeding a square wave at the current frequency, or
// silence, so a tone sounds until it is retuned or silenced.
#pragma once

#include "melody/player/tone.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

typedef struct _snd_pcm snd_pcm_t;

namespace pdx::melody {

class AlsaToneOutput : public ToneOutput {
public:
  static constexpr unsigned kSampleRate = 44100;

  // Opens the playback device `device`, or returns nullptr (no sound card,
  // no sound server). ALSA's own complaints are kept off standard error.
  static std::unique_ptr<AlsaToneOutput> open(const std::string &device = "default");
  ~AlsaToneOutput() override;
  AlsaToneOutput(const AlsaToneOutput &) = delete;
  AlsaToneOutput &operator=(const AlsaToneOutput &) = delete;

  void toneOn(unsigned hz) override { hz_.store(hz); }
  void toneOff() override { hz_.store(0); }

private:
  explicit AlsaToneOutput(snd_pcm_t *pcm);
  void run();

  snd_pcm_t *pcm_;
  std::atomic<unsigned> hz_{0};
  std::atomic<bool> running_{true};
  std::thread worker_;
};

} // namespace pdx::melody
