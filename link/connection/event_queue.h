// The link's queue of connection results and received frames, read by the
// callers that wait for an answer. The link queues only what a caller waits
// for; should the queue still fill up (100 events), the oldest event makes
// room, so the newest answer is never the one lost.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pdx::link {

struct LinkEvent {
  enum Kind : int32_t { Connection = 0, Frame = 1 };
  int32_t kind = Connection;
  int32_t value = 0;   // connection events: the notification code
  int32_t code = 0;    // frame events: the message code
  int32_t subCode = 0; // PC_OK / PC_NG: the accepted or refused code
};

class EventQueue {
public:
  static constexpr size_t kCapacity = 100;

  // Both return false when the queue was full and its oldest event gave way.
  bool addConnection(int value);
  bool addFrame(int code, int subCode);
  void clear() { count_ = 0; }
  size_t size() const { return count_; }
  const LinkEvent &at(size_t i) const { return events_[i]; }

  // First connection event with a value of 1 to 4: its index or -1.
  int findResult() const;
  // Takes that event: its value, or -1 when there is none.
  int takeResult();
  // First connection event that ends a wait in failure (phone not found,
  // wrong password, no answer): its index or -1; take returns its value.
  int findFailure() const;
  int takeFailure();
  // First PC_OK / PC_NG frame event for request `code`: its index or -1.
  int findAnswer(int code) const;
  // Takes it: 1 (accepted), 2 (refused) or -1 when there is none.
  int takeAnswer(int code);
  // First PC_NG frame event of any request: its index or -1.
  int findRefusal() const;
  // First connection event of any value: its index or -1; take returns
  // the value or -1.
  int findConnection() const;
  int takeConnection();

private:
  bool add(const LinkEvent &event);
  template <typename Match> int find(Match match) const;
  LinkEvent remove(int index);

  std::array<LinkEvent, kCapacity> events_{};
  size_t count_ = 0;
};

} // namespace pdx::link
