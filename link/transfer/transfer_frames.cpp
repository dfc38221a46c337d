// The frame side of the transfers: follow-up requests sent from inside the
// dispatch of a received frame, and the records stored in the phone mirror.
#include "core/data/calendar.h"
#include "link/transfer/transfers.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"

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

// Follow-up requests go out only for the read that runs, and only for the
// record that answers the request sent last: an unasked record (a message
// the phone pushes) neither skips a slot nor sends a second request.
bool PhoneTransfers::dispatch(const Frame &frame) {
  const uint8_t first = frame.data.empty() ? 0 : frame.data[0];
  strayRecord_ = false;
  switch (frame.code) {
  case PC_SMS_INDEX_DATA:
    if (reading_ == Reading::Sms && pending_ == kNotStarted) {
      setFlags(receivedFlags_, frame.data, 0);
      setFlags(savedFlags_, frame.data, kSavedBoxFirstBit);
      announce(0, static_cast<int>(receivedFlags_.count() + savedFlags_.count()));
      requestNextSms();
    }
    return true;
  case PC_SMS_DATA_DATA:
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
    return false;
  case PC_BK_INDEX_DATA:
    setFlags(locationFlags_, frame.data, 0);
    requestNextLocation();
    return true;
  case PC_BK_DATA_DATA:
    if (first < locationFlags_.size()) {
      locationFlags_[first] = false;
    }
    requestNextLocation();
    return false;
  case PC_MBK_INDEX_DATA:
    if (reading_ == Reading::Phonebook && pending_ == kNotStarted) {
      setFlags(slotFlags_, frame.data, 0);
      announce(0, static_cast<int>(slotFlags_.count()));
      requestNextSlot();
    }
    return true;
  case PC_MBK_DATA_DATA:
    if (reading_ == Reading::Phonebook && answersPending(first)) {
      slotFlags_[first] = false;
      announce(done_ + 1, total_);
      requestNextSlot();
    } else if (reading_ == Reading::Slot && answersPending(first)) {
      slotRecord_ = frame.data;
    }
    return false;
  default:
    return false;
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

bool PhoneTransfers::store(const Frame &frame) {
  if (cancelled_ && (frame.code == PC_MBK_DATA_DATA || frame.code == PC_SKEY_DATA_DATA ||
                     frame.code == PC_GRP_DATA_DATA || frame.code == PC_SMS_DATA_DATA)) {
    return true; // the rest of a read the user stopped
  }
  switch (frame.code) {
  case PC_SMS_DATA_DATA:
    // The running read fetches the boxes afresh; a pushed copy would double.
    if (store_ != nullptr && !(reading_ == Reading::Sms && strayRecord_)) {
      store_->addPhoneSms(wire::decodeSmsRecord(frame.data));
    }
    arrived_.sms = arrived_.sms || !link_.busy();
    return true;
  case PC_GRP_DATA_DATA:
    if (store_ != nullptr) {
      store_->phoneGroups = wire::decodeGroupTable(frame.data);
    }
    arrived_.groups = true;
    return true;
  case PC_ALM_DATA_DATA:
    storeAlarms(frame.data);
    arrived_.alarms = true;
    return true;
  case PC_OPT_DATA_DATA:
    if (store_ != nullptr) {
      store_->options = wire::decodeOptions(frame.data);
      store_->read.options = true;
    }
    arrived_.options = true;
    return true;
  case PC_MBK_DATA_DATA:
    if (store_ != nullptr) {
      const core::PhoneBookEntry entry = wire::decodeSlotRecord(frame.data);
      if (entry.phoneSlot < store_->phonePhonebook.size()) {
        store_->phonePhonebook.replaceAt(entry.phoneSlot, entry);
      }
    }
    return true;
  case PC_SKEY_DATA_DATA:
    if (store_ != nullptr) {
      store_->phoneSpeedDials = wire::decodeSpeedDials(frame.data);
      if (store_->phonePhonebook.size() > 0) {
        store_->validateSpeedDials();
      }
    }
    arrived_.speedDials = true;
    return true;
  default:
    return false;
  }
}

void PhoneTransfers::storeAlarms(std::span<const uint8_t> table) {
  if (store_ == nullptr) {
    return;
  }
  const wire::Bytes all = wire::padded(table, wire::kAlarmTableSize);
  const core::CivilTime now = core::koreanTimeAt(clock_());
  for (uint16_t position = 0; position < wire::kAlarmCount; ++position) {
    const auto record =
        std::span<const uint8_t>(all).subspan(position * wire::kAlarmRecordSize, wire::kAlarmRecordSize);
    if (wire::alarmIsSet(record) && !store_->alarms.full()) {
      (void)store_->alarms.insert(wire::decodeAlarm(record, position), now);
    }
  }
}

} // namespace pdx::link
