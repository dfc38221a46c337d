// The handset's side of the link, for tests and demonstrations: its stored
// data in wire form, and the answers a phone gives to each request.
#pragma once

#include "link/frame/frame.h"
#include "link/wire/wire_io.h"

#include <array>
#include <atomic>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pdx::simulator {

using link::Frame;
using link::wire::Bytes;

struct PhoneState {
  static constexpr size_t kSlots = 200;
  static constexpr size_t kReceivedSlots = 20;
  static constexpr size_t kSavedSlots = 11;
  static constexpr size_t kMediaSlots = 3;

  std::string password = "0000";
  std::string info; // code page 949, at most 32 bytes
  // Each record as it travels; an empty record is an unused slot.
  std::array<Bytes, kSlots> phonebook;
  Bytes groups = Bytes(340, 0);
  Bytes speedDials = Bytes(198, 0xFF);
  std::array<Bytes, kReceivedSlots> received;
  std::array<Bytes, kSavedSlots> saved;
  Bytes alarms = Bytes(220, 0);
  Bytes options = Bytes(128, 0);
  // The last melody-set and animation-set payload of each slot.
  std::array<Bytes, kMediaSlots> melodies;
  std::array<Bytes, kMediaSlots> animations;
  // Messages handed over for sending (161-byte requests).
  std::vector<Bytes> outbox;
};

// Plausible Korean sample data: a full phonebook of 200 entries, groups,
// speed dials, a few messages and alarms.
PhoneState sampleState();

class PhoneModel {
public:
  explicit PhoneModel(PhoneState state) : state_(std::move(state)) {}

  // Answer PC_NG to every request with this code (-1: none), PC_PING2 too.
  void setRefusedCode(int code) { refused_ = code; }

  // The frames the phone sends back for one received frame (none for
  // frames it ignores).
  std::vector<Frame> answer(const Frame &request);

  const PhoneState &state() const { return state_; }
  // True after a request changed the stored data; cleared by the call.
  bool takeChanged() { return std::exchange(changed_, false); }

private:
  std::vector<Frame> handle(const Frame &request);
  std::vector<Frame> password(const Frame &request);
  std::vector<Frame> store(const Frame &request);
  std::vector<Frame> smsIndex() const;
  std::vector<Frame> phonebookIndex() const;
  std::vector<Frame> smsRecord(uint8_t slot) const;

  PhoneState state_;
  std::atomic<int> refused_{-1};
  // A password is good for one request and the follow-ups of its read; any
  // other request without a fresh password is refused, as a phone does.
  bool authorised_ = false;
  bool inExchange_ = false;
  bool changed_ = false;
};

Frame accepted(uint8_t code);
Frame refused(uint8_t code);

} // namespace pdx::simulator
