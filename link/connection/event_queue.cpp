#include "link/connection/event_queue.h"

#include "link/frame/codes.h"

#include <algorithm>

namespace pdx::link {

bool EventQueue::add(const LinkEvent &event) {
  const bool room = count_ < kCapacity;
  if (!room) {
    (void)remove(0);
  }
  events_[count_++] = event;
  return room;
}

bool EventQueue::addConnection(int value) {
  return add(LinkEvent{LinkEvent::Connection, value, 0, 0});
}

bool EventQueue::addFrame(int code, int subCode) {
  return add(LinkEvent{LinkEvent::Frame, 0, code, subCode});
}

template <typename Match> int EventQueue::find(Match match) const {
  for (size_t i = 0; i < count_; ++i) {
    if (match(events_[i])) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

LinkEvent EventQueue::remove(int index) {
  const auto at = events_.begin() + index;
  const LinkEvent event = *at;
  std::copy(at + 1, events_.begin() + static_cast<std::ptrdiff_t>(count_), at);
  --count_;
  return event;
}

int EventQueue::findResult() const {
  return find(
      [](const LinkEvent &e) { return e.kind == LinkEvent::Connection && e.value >= 1 && e.value <= 4; });
}

int EventQueue::takeResult() {
  const int index = findResult();
  return index < 0 ? -1 : remove(index).value;
}

int EventQueue::findFailure() const {
  return find(
      [](const LinkEvent &e) { return e.kind == LinkEvent::Connection && e.value >= 2 && e.value <= 4; });
}

int EventQueue::takeFailure() {
  const int index = findFailure();
  return index < 0 ? -1 : remove(index).value;
}

int EventQueue::findAnswer(int code) const {
  return find([code](const LinkEvent &e) {
    return e.kind == LinkEvent::Frame && (e.code == PC_OK || e.code == PC_NG) && e.subCode == code;
  });
}

int EventQueue::takeAnswer(int code) {
  const int index = findAnswer(code);
  return index < 0 ? -1 : remove(index).code;
}

int EventQueue::findRefusal() const {
  return find([](const LinkEvent &e) { return e.kind == LinkEvent::Frame && e.code == PC_NG; });
}

int EventQueue::findConnection() const {
  return find([](const LinkEvent &e) { return e.kind == LinkEvent::Connection; });
}

int EventQueue::takeConnection() {
  const int index = findConnection();
  return index < 0 ? -1 : remove(index).value;
}

} // namespace pdx::link
