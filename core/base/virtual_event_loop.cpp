#include "core/base/virtual_event_loop.h"

namespace pdx {

EventLoop::TimerId VirtualEventLoop::startTimer(Millis interval, bool repeat,
                                                std::function<void()> callback) {
  const TimerId id = nextId_++;
  timers_[id] = Timer{now_ + interval, interval, repeat, std::move(callback)};
  return id;
}

void VirtualEventLoop::stopTimer(TimerId id) {
  timers_.erase(id);
}

void VirtualEventLoop::post(std::function<void()> callback) {
  std::lock_guard lock(postedMutex_);
  posted_.push_back(std::move(callback));
}

bool VirtualEventLoop::runOnePosted() {
  std::function<void()> callback;
  {
    std::lock_guard lock(postedMutex_);
    if (posted_.empty()) {
      return false;
    }
    callback = std::move(posted_.front());
    posted_.pop_front();
  }
  callback();
  return true;
}

void VirtualEventLoop::drainPosted() {
  while (runOnePosted()) {
  }
}

bool VirtualEventLoop::fireNextTimer(Millis limit) {
  auto next = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (next == timers_.end() || it->second.due < next->second.due) {
      next = it;
    }
  }
  if (next == timers_.end() || next->second.due > limit) {
    return false;
  }
  now_ = std::max(now_, next->second.due);
  std::function<void()> callback = next->second.callback;
  if (next->second.repeat) {
    next->second.due = now_ + std::max(next->second.interval, Millis(1));
  } else {
    timers_.erase(next);
  }
  callback();
  return true;
}

void VirtualEventLoop::advance(Millis span) {
  const Millis end = now_ + span;
  drainPosted();
  while (fireNextTimer(end)) {
    drainPosted();
  }
  now_ = end;
}

bool VirtualEventLoop::waitFor(const std::function<bool()> &done, Millis timeout) {
  const Millis deadline = now_ + timeout;
  while (true) {
    drainPosted();
    if (done()) {
      return true;
    }
    if (!fireNextTimer(deadline)) {
      now_ = std::max(now_, deadline);
      drainPosted();
      return done();
    }
  }
}

} // namespace pdx
