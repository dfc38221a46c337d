// Plays a melody without holding up the command that started it: play()
// hands the player's loop to the event loop and returns at once. The loop
// then runs from there, dispatching every other event between its notes,
// so stop() (or any command that calls it) can end it at any time. Each
// melody plays on a session of its own that outlives this object while its
// loop is still unwinding, so the page may go away while a note sounds.
#pragma once

#include "core/base/event_loop.h"
#include "melody/file/melody.h"
#include "melody/player/tone.h"

#include <functional>
#include <memory>

namespace pdx::features {

class BackgroundPlayer {
public:
  // `output` is asked for the tone output when the first melody starts.
  using OutputSource = std::function<std::shared_ptr<melody::ToneOutput>()>;

  BackgroundPlayer(EventLoop &loop, OutputSource output);
  ~BackgroundPlayer();
  BackgroundPlayer(const BackgroundPlayer &) = delete;
  BackgroundPlayer &operator=(const BackgroundPlayer &) = delete;

  // Stops what plays, then plays a copy of `melody` from its first entry to
  // its end; `ended` runs when it got there (never after stop()).
  void play(const melody::CMelody &melody, std::function<void()> ended);
  // Silences at once; the loop ends as soon as it regains control.
  void stop();
  // From play() until the melody ended or stop().
  bool playing() const;

private:
  struct Session;

  EventLoop &loop_;
  OutputSource source_;
  std::shared_ptr<melody::ToneOutput> output_;
  std::shared_ptr<Session> session_;
};

} // namespace pdx::features
