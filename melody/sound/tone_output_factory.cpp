#include "melody/sound/tone_output_factory.h"

#include "core/base/user_text.h"
#include "melody/sound/alsa_output.h"
#include "melody/sound/pc_speaker_output.h"

namespace pdx::melody {

std::unique_ptr<ToneOutput> openToneOutput(ToneDevice choice, FILE *messages) {
  if (choice == ToneDevice::Silent) {
    return std::make_unique<SilentOutput>();
  }
  if (choice != ToneDevice::SoundCard) {
    if (auto speaker = PcSpeakerOutput::open()) {
      return speaker;
    }
  }
  if (choice != ToneDevice::Speaker) {
    if (auto card = AlsaToneOutput::open()) {
      return card;
    }
  }
  std::fprintf(messages, "%s\n",
               pdx::text::translateLiteral("pdx::melody::Sound",
                                           "소리를 낼 장치를 찾을 수 없어 소리 없이 연주합니다."));
  return std::make_unique<SilentOutput>();
}

} // namespace pdx::melody
