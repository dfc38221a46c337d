// The frame side of the transfers: follow-up requests sent from inside the
// dispatch of a received frame, and the records stored in the phone mirror.
#include "core/data/alarm_list.h"
#include "link/transfer/transfers.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"

#include <algorithm>

namespace pdx::link {
namespace {

// Bit i of an occupancy bitmap, most significant bit first.
bool occupied(std::span<const uint8_t> bitmap, size_t i) {
  return i / 8 < bitmap.size() && (bitmap[i / 8] & (0x80 >> (i % 8))) != 0;
}

template <size_t N> void setFlags(std::bitset<N> &flags, std::span<const uint8_t> bitmap, size_t firstBit) {
  for (size_t i = 0; i < N; ++i) {
    flags[i] = occupied(bitmap, firstBit + i);
  }
}

template <size_t N> int lowest(const std::bitset<N> &flags, size_t from = 0) {
  for (size_t i = from; i < N; ++i) {
    if (flags[i]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

constexpr size_t kSavedBoxFirstBit = 24;

} // namespace

void PhoneTransfers::announce(int done, int total) {
  done_ = done;
  total_ = total;
  if (progress_) {
    progress_(done_, total_);
  }
}

// A reply of the phone: what the running read sends next, and the record
// it stores in the mirror. Records of a read the user stopped are dropped.
struct PhoneTransfers::Reply {
  Code code;
  void (PhoneTransfers::*followUp)(const Frame &);
  void (PhoneTransfers::*record)(const Frame &);
  bool droppedAfterCancel;
};

constexpr std::array<PhoneTransfers::Reply, 10> PhoneTransfers::kReplies = {{
    {PC_SMS_INDEX_DATA, &PhoneTransfers::onSmsIndex, nullptr, false},
    {PC_SMS_DATA_DATA, &PhoneTransfers::onSms, &PhoneTransfers::storeSms, true},
    {PC_GRP_DATA_DATA, nullptr, &PhoneTransfers::storeGroups, true},
    {PC_BK_INDEX_DATA, &PhoneTransfers::onLocationIndex, nullptr, false},
    {PC_BK_DATA_DATA, &PhoneTransfers::onLocation, nullptr, false},
    {PC_ALM_DATA_DATA, nullptr, &PhoneTransfers::storeAlarms, false},
    {PC_OPT_DATA_DATA, nullptr, &PhoneTransfers::storeOptions, false},
    {PC_MBK_INDEX_DATA, &PhoneTransfers::onSlotIndex, nullptr, false},
    {PC_MBK_DATA_DATA, &PhoneTransfers::onSlot, &PhoneTransfers::storeSlot, true},
    {PC_SKEY_DATA_DATA, nullptr, &PhoneTransfers::storeSpeedDials, true},
}};

bool PhoneTransfers::handlesReply(int code) {
  return std::ranges::any_of(kReplies, [code](const Reply &reply) { return reply.code == code; });
}

bool PhoneTransfers::receive(const Frame &frame) {
  const auto reply =
      std::ranges::find_if(kReplies, [&frame](const Reply &entry) { return entry.code == frame.code; });
  if (reply == kReplies.end()) {
    return false;
  }
  strayRecord_ = false;
  if (reply->followUp != nullptr) {
    (this->*reply->followUp)(frame);
  }
  if (reply->record != nullptr && !(cancelled_ && reply->droppedAfterCancel)) {
    (this->*reply->record)(frame);
  }
  return true;
}

// Follow-up requests go out only for the read that runs, and only for the
// record that answers the request sent last: an unasked record (a message
// the phone pushes) neither skips a slot nor sends a second request.
void PhoneTransfers::onSmsIndex(const Frame &frame) {
  if (reading_ == Reading::Sms && pending_ == kNotStarted) {
    setFlags(receivedFlags_, frame.data, 0);
    setFlags(savedFlags_, frame.data, kSavedBoxFirstBit);
    announce(0, static_cast<int>(receivedFlags_.count() + savedFlags_.count()));
    requestNextSms();
  }
}

void PhoneTransfers::onSms(const Frame &frame) {
  const uint8_t first = frame.data.empty() ? 0 : frame.data[0];
  strayRecord_ = reading_ != Reading::Sms || !answersPending(first);
  if (!strayRecord_) {
    if (first < 0x80) {
      receivedFlags_[first] = false;
    } else {
      savedFlags_[first & 0x7F] = false;
    }
    announce(done_ + 1, total_);
    requestNextSms();
  }
}

void PhoneTransfers::onLocationIndex(const Frame &frame) {
  setFlags(locationFlags_, frame.data, 0);
  requestNextLocation();
}

void PhoneTransfers::onLocation(const Frame &frame) {
  const uint8_t first = frame.data.empty() ? 0 : frame.data[0];
  if (first < locationFlags_.size()) {
    locationFlags_[first] = false;
  }
  requestNextLocation();
}

void PhoneTransfers::onSlotIndex(const Frame &frame) {
  if (reading_ == Reading::Phonebook && pending_ == kNotStarted) {
    setFlags(slotFlags_, frame.data, 0);
    announce(0, static_cast<int>(slotFlags_.count()));
    requestNextSlot();
  }
}

void PhoneTransfers::onSlot(const Frame &frame) {
  const uint8_t first = frame.data.empty() ? 0 : frame.data[0];
  if (reading_ == Reading::Phonebook && answersPending(first)) {
    slotFlags_[first] = false;
    announce(done_ + 1, total_);
    requestNextSlot();
  } else if (reading_ == Reading::Slot && answersPending(first)) {
    slotRecord_ = frame.data;
  }
}

void PhoneTransfers::sendFollowUp(uint8_t code, int slot) {
  pending_ = slot;
  if (slot < 0) {
    (void)link_.send(code, {});
  } else {
    (void)link_.send(code, std::array{static_cast<uint8_t>(slot)});
  }
}

void PhoneTransfers::requestNextSms() {
  if (cancelled_) {
    return;
  }
  if (const int slot = lowest(receivedFlags_); slot >= 0) {
    sendFollowUp(PC_SMS_DATA_REQ, slot);
  } else if (const int saved = lowest(savedFlags_); saved >= 0) {
    sendFollowUp(PC_SMS_DATA_REQ, 0x80 + saved);
  } else {
    pending_ = kNothingPending;
    smsDone_ = true;
    link_.busyEnd();
  }
}

void PhoneTransfers::requestNextSlot() {
  if (cancelled_) {
    return;
  }
  if (const int slot = lowest(slotFlags_); slot >= 0) {
    sendFollowUp(PC_MBK_DATA_REQ, slot);
    return;
  }
  sendFollowUp(PC_SKEY_DATA_REQ, kNothingPending);
  sendFollowUp(PC_MGRP_DATA_REQ, kNothingPending);
}

void PhoneTransfers::requestNextLocation() {
  // Location 0 is never asked for.
  if (const int location = lowest(locationFlags_, 1); location >= 0) {
    (void)link_.send(PC_BK_DATA_REQ, std::array{static_cast<uint8_t>(location)});
    return;
  }
  (void)link_.send(PC_GRP_DATA_REQ, {});
}

void PhoneTransfers::storeSms(const Frame &frame) {
  // The running read fetches the boxes afresh; a pushed copy would double.
  if (!(reading_ == Reading::Sms && strayRecord_)) {
    mirror_.addMessage(wire::decodeSmsRecord(frame.data));
  }
  arrived_.sms = arrived_.sms || !link_.busy();
}

void PhoneTransfers::storeGroups(const Frame &frame) {
  mirror_.setGroups(wire::decodeGroupTable(frame.data));
  arrived_.groups = true;
}

void PhoneTransfers::storeOptions(const Frame &frame) {
  mirror_.setOptions(wire::decodeOptions(frame.data));
  mirror_.markRead(Part::Options);
  arrived_.options = true;
}

void PhoneTransfers::storeSlot(const Frame &frame) {
  mirror_.setSlot(wire::decodeSlotRecord(frame.data));
}

void PhoneTransfers::storeSpeedDials(const Frame &frame) {
  mirror_.setSpeedDials(wire::decodeSpeedDials(frame.data));
  arrived_.speedDials = true;
}

void PhoneTransfers::storeAlarms(const Frame &frame) {
  arrived_.alarms = true;
  const wire::Bytes all = wire::padded(frame.data, wire::kAlarmTableSize);
  const core::CivilTime at = now();
  for (uint16_t position = 0; position < wire::kAlarmCount; ++position) {
    const auto record =
        std::span<const uint8_t>(all).subspan(position * wire::kAlarmRecordSize, wire::kAlarmRecordSize);
    if (wire::alarmIsSet(record)) {
      mirror_.addAlarm(wire::decodeAlarm(record, position), at);
    }
  }
}

} // namespace pdx::link
