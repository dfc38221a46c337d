// An event loop in virtual time for tests: waiting jumps the clock straight
// to the next timer, so a 60-second time-out takes no real time.
#pragma once

#include "core/base/event_loop.h"

#include <algorithm>
#include <deque>
#include <map>
#include <mutex>

namespace pdx {

class VirtualEventLoop : public EventLoop {
public:
  Millis now() const override { return now_; }
  // A fixed start instant plus the virtual time passed.
  int64_t utcSeconds() const override { return kUtcStart + now_.count() / 1000; }
  TimerId startTimer(Millis interval, bool repeat, std::function<void()> callback) override;
  void stopTimer(TimerId id) override;
  void post(std::function<void()> callback) override;
  bool waitFor(const std::function<bool()> &done, Millis timeout) override;

  // Moves the clock forward by `span`, firing every timer due on the way.
  void advance(Millis span);
  // Runs posted calls until none is left.
  void drainPosted();
  // True when a timer with this id is running.

private:
  static constexpr int64_t kUtcStart = 1715941233; // 2024-05-17 19:20:33 in Korea

  struct Timer {
    Millis due;
    Millis interval;
    bool repeat;
    std::function<void()> callback;
  };

  // Fires the earliest timer due at or before `limit`; false when none is.
  bool fireNextTimer(Millis limit);
  bool runOnePosted();

  Millis now_{0};
  TimerId nextId_ = 1;
  std::map<TimerId, Timer> timers_;
  std::mutex postedMutex_;
  std::deque<std::function<void()>> posted_;
};

} // namespace pdx
