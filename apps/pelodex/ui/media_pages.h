// The melody and animation pages as the program opens them: their phone is
// the link's melody-set and animation-set sends, the editors start from
// the program's folder (then PATH), and the tone output opens once, when
// the first melody plays.
#pragma once

#include "features/common/media_ports.h"
#include "melody/player/tone.h"
#include "platform/event_loop/qt_event_loop.h"

#include <memory>

namespace pdx::pelodex {

class PelodexApp;

class MediaPages {
public:
  explicit MediaPages(PelodexApp &app);
  ~MediaPages();

  void OpenMelodies();
  void OpenAnimations();

private:
  std::shared_ptr<melody::ToneOutput> Tones();

  PelodexApp &app_;
  // Outlives the pages: a melody's loop may still unwind after its page went.
  platform::QtEventLoop loop_;
  std::unique_ptr<features::MediaPhone> phone_;
  std::unique_ptr<features::ProgramStarter> starter_;
  std::shared_ptr<melody::ToneOutput> tones_;
};

} // namespace pdx::pelodex
