// Time, timers and waiting, reached through this interface so that the
// link, the player and their tests share one notion of time: programs run it
// on their event loop, tests in virtual time.
#pragma once

#include "core/base/clock.h"

#include <chrono>
#include <functional>

namespace pdx {

using Millis = std::chrono::milliseconds;

// The loop is also the calendar clock of what runs on it.
class EventLoop : public Clock {
public:
  using TimerId = int;

  virtual ~EventLoop() = default;

  // Milliseconds since an arbitrary start, never decreasing.
  virtual Millis now() const = 0;
  // Calls `callback` on the loop's thread after `interval`, once or
  // repeatedly; returns an id for stopTimer. Ids are never 0.
  virtual TimerId startTimer(Millis interval, bool repeat, std::function<void()> callback) = 0;
  // Stops a timer; unknown or stopped ids are ignored.
  virtual void stopTimer(TimerId id) = 0;

  // Runs `callback` on the loop's thread soon. The one call that may be made
  // from another thread.
  virtual void post(std::function<void()> callback) = 0;

  // Keeps dispatching timers and posted calls (and, in a program, the user
  // interface) until `done` returns true or `timeout` has passed; blocks in
  // between, never polls. Returns whether `done` became true. May be nested.
  virtual bool waitFor(const std::function<bool()> &done, Millis timeout) = 0;
};

} // namespace pdx
