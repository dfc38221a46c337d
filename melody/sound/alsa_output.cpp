#include "melody/sound/alsa_output.h"

#include "melody/sound/square_wave.h"

#include <alsa/asoundlib.h>
#include <vector>

namespace pdx::melody {

namespace {

// Buffered sound ahead of the speaker: short enough that a note starts on
// time, long enough not to run dry on a busy machine.
constexpr unsigned kLatencyMicros = 40000;
// Samples handed to ALSA at a time (5 ms): how soon a retune is heard.
constexpr size_t kBlock = AlsaToneOutput::kSampleRate / 200;

void quietAlsa(const char *, int, const char *, int, const char *, ...) {}

} // namespace

std::unique_ptr<AlsaToneOutput> AlsaToneOutput::open(const std::string &device) {
  snd_lib_error_set_handler(quietAlsa);
  snd_pcm_t *pcm = nullptr;
  if (snd_pcm_open(&pcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, 0) < 0) {
    return nullptr;
  }
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kSampleRate, 1,
                         kLatencyMicros) < 0) {
    snd_pcm_close(pcm);
    return nullptr;
  }
  return std::unique_ptr<AlsaToneOutput>(new AlsaToneOutput(pcm));
}

AlsaToneOutput::AlsaToneOutput(snd_pcm_t *pcm) : pcm_(pcm), worker_([this] { run(); }) {}

AlsaToneOutput::~AlsaToneOutput() {
  running_ = false;
  worker_.join();
  snd_pcm_drop(pcm_);
  snd_pcm_close(pcm_);
}

void AlsaToneOutput::run() {
  SquareWave wave(kSampleRate);
  std::vector<int16_t> block(kBlock);
  while (running_) {
    wave.setFrequency(hz_.load());
    wave.render(block);
    snd_pcm_sframes_t written = snd_pcm_writei(pcm_, block.data(), block.size());
    if (written < 0) {
      written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
    }
    if (written < 0) {
      return; // the device is gone; the melody goes on without sound
    }
  }
}

} // namespace pdx::melody
