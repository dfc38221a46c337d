// The editor's player commands on the score: play from the selection or the
// cursor, pause (the cursor follows the player), stop, go to start.
#pragma once

#include "melody/player/melody_player.h"
#include "melody/score/score_editor.h"

namespace pdx::melody {

class PlaybackCommands {
public:
  PlaybackCommands(CMelodyPlayer &player, ScoreEditor &editor) : player_(player), editor_(editor) {}

  // Plays the selection, or from the cursor (resuming where a pause left
  // the cursor); returns once play ends. True when it reached its end.
  bool play();
  // While playing: the cursor moves to the player's position and play
  // pauses there.
  void pause();
  // While playing: the cursor moves to the start and play stops.
  void stop();
  // When not playing: back to the first entry, forgetting repeats.
  void goToStart();

private:
  CMelodyPlayer &player_;
  ScoreEditor &editor_;
};

} // namespace pdx::melody
