// The state shown by the link status indicator: 0 hidden, 1 phone
// connected, 2 phone not connected, 3 and 4 the two busy animations. The
// window that draws it belongs to the application; this is its logic.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace pdx::link {

class LinkStatus {
public:
  enum State { Hidden = 0, Connected = 1, NotConnected = 2, Busy = 3, BusyAlternate = 4 };

  State state() const { return state_; }
  // Does nothing when the state is already `next`, or when switching
  // between the two busy animations.
  void set(State next);
  // Connected or not connected from now on: shown at once, or when the
  // busy state that runs ends.
  void settle(State next);
  // Remembers a connected / not-connected state and shows the busy one.
  void busyBegin();
  // Restores the state remembered by busyBegin.
  void busyEnd();

  // Calls `listener` after every change of the state until unsubscribed.
  // Each page's indicator listens; the page that leaves may go after the
  // next one has subscribed, so a subscription ends only itself.
  [[nodiscard]] int subscribe(std::function<void(State)> listener);
  void unsubscribe(int id);

private:
  static bool isBusy(State s) { return s == Busy || s == BusyAlternate; }

  State state_ = Hidden;
  State remembered_ = Hidden;
  std::vector<std::pair<int, std::function<void(State)>>> listeners_;
  int lastId_ = 0;
};

} // namespace pdx::link
