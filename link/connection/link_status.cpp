#include "link/connection/link_status.h"

namespace pdx::link {

void LinkStatus::set(State next) {
  if (next == state_ || (isBusy(next) && isBusy(state_))) {
    return;
  }
  state_ = next;
  if (listener_) {
    listener_(state_);
  }
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
