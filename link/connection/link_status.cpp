#include "link/connection/link_status.h"

#include <algorithm>

namespace pdx::link {

void LinkStatus::set(State next) {
  if (next == state_ || (isBusy(next) && isBusy(state_))) {
    return;
  }
  state_ = next;
  // A listener told may end its own or another subscription.
  std::vector<int> ids;
  for (const auto &entry : listeners_) {
    ids.push_back(entry.first);
  }
  for (const int id : ids) {
    const auto it = std::find_if(listeners_.begin(), listeners_.end(),
                                 [id](const auto &entry) { return entry.first == id; });
    if (it != listeners_.end()) {
      const auto listener = it->second;
      listener(state_);
    }
  }
}

int LinkStatus::subscribe(std::function<void(State)> listener) {
  listeners_.emplace_back(++lastId_, std::move(listener));
  return lastId_;
}

void LinkStatus::unsubscribe(int id) {
  std::erase_if(listeners_, [id](const auto &entry) { return entry.first == id; });
}

void LinkStatus::settle(State next) {
  remembered_ = next;
  if (!isBusy(state_)) {
    set(next);
  }
}

void LinkStatus::busyBegin() {
  if (state_ == Connected || state_ == NotConnected) {
    remembered_ = state_;
  }
  set(Busy);
}

void LinkStatus::busyEnd() {
  set(remembered_);
}

} // namespace pdx::link
