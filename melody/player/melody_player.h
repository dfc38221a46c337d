// Plays a melody one note at a time: notes sound until the next entry,
// repeat signs send play back once, an end mark starts the melody again.
// Play runs a loop that waits on the event loop, so Pause and Stop are
// called from inside it (by commands dispatched while it waits).
#pragma once

#include "melody/file/melody.h"
#include "melody/player/tone.h"
#include "melody/player/tone_timer.h"

#include <array>

namespace pdx::melody {

// The right repeat signs play has jumped back from and not yet passed
// again, most recent last, at most 100.
class RepeatMemory {
public:
  static constexpr int kCapacity = 100;

  // True when `index` is remembered; the most recently remembered sign
  // (not necessarily `index`) is then forgotten.
  bool forgetIfRemembered(int index);
  // Remembers `index`; false, storing nothing, when the memory is full.
  bool remember(int index);
  void clear() { count_ = 0; }
  int count() const { return count_; }

private:
  std::array<int, kCapacity> indices_{};
  int count_ = 0;
};

class CMelodyPlayer {
public:
  CMelodyPlayer(EventLoop &loop, ToneOutput &output) : timer_(loop), output_(output) {}

  // The melody to play (not owned); clears playing, position and repeats.
  void SetMelody(const CMelody *melody);
  const CMelody *melody() const { return melody_; }

  // Plays entries from `start` (-1: the position where play stopped) up to
  // `end` (-1: the last entry). True when play reached `end`, false when it
  // was paused or stopped.
  bool Play(int start, int end);
  // Ends play and keeps the position and repeats, to resume later.
  void Pause();
  // Ends play and returns to the first entry.
  void Stop();
  void Rewind();
  void ForgetRepeats() { repeats_.clear(); }

  bool playing() const { return playing_; }
  // The entry after the one last started.
  int position() const { return position_; }
  int repeatCount() const { return repeats_.count(); }

private:
  // Where play goes after the right repeat sign at `i`.
  int afterRightRepeat(int i);

  CToneTimer timer_;
  ToneOutput &output_;
  const CMelody *melody_ = nullptr;
  bool playing_ = false;
  int position_ = 0;
  RepeatMemory repeats_;
};

// What the editor's play command starts from: the selection when there is
// one, otherwise the score cursor. True when play reached its end.
struct PlayRequest {
  bool hasSelection = false;
  int selectionStart = 0;
  int selectionEnd = 0;
  int cursor = 0;
};
bool playFromEditor(CMelodyPlayer &player, const PlayRequest &request);

} // namespace pdx::melody
