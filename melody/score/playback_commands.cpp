#include "melody/score/playback_commands.h"

namespace pdx::melody {

bool PlaybackCommands::play() {
  if (player_.playing() || editor_.melody() == nullptr) {
    return false;
  }
  if (player_.melody() != editor_.melody()) {
    player_.SetMelody(editor_.melody());
  }
  return playFromEditor(
      player_, {editor_.hasSelection(), editor_.selectionStart(), editor_.selectionEnd(), editor_.cursor()});
}

void PlaybackCommands::pause() {
  if (player_.playing()) {
    editor_.setCursor(player_.position());
  }
  player_.Pause();
}

void PlaybackCommands::stop() {
  if (player_.playing()) {
    editor_.setCursor(0);
  }
  player_.Stop();
}

void PlaybackCommands::goToStart() {
  if (player_.playing()) {
    return;
  }
  player_.Rewind();
  editor_.setCursor(0);
}

} // namespace pdx::melody
