#include "simulator/phone_model.h"

#include "link/connection/password.h"
#include "link/wire/download_wire.h"
#include "link/wire/phonebook_wire.h"
#include "link/wire/sms_wire.h"

#include <utility>

namespace pdx::simulator {

using namespace pdx::link;

Frame accepted(uint8_t code) {
  return Frame{PC_OK, {code}};
}
Frame refused(uint8_t code) {
  return Frame{PC_NG, {code}};
}

namespace {

// Where the option record holds the packed password.
constexpr size_t kOptionPasswordOffset = 57;

void setBit(Bytes &bitmap, size_t i) {
  bitmap[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
}

// The record's size for each request that carries a whole record or table.
std::optional<size_t> fixedSize(uint8_t code) {
  switch (code) {
  case PC_MBK_SET_REQ:
    return wire::kSlotRecordSize;
  case PC_MGRP_SET_REQ:
    return wire::kGroupTableSize;
  case PC_SKEY_SET_REQ:
    return wire::kSpeedDialSize;
  case PC_ALM_SET_REQ:
    return 220;
  case PC_OPT_SET_REQ:
    return 128;
  case PC_SMS_SEND_REQ:
    return wire::kSmsSendSize;
  case PC_ANI_SET_REQ:
    return wire::kAnimationPayloadSize;
  default:
    return std::nullopt;
  }
}

// The requests a read sends without the password, inside its exchange.
bool isFollowUp(uint8_t code) {
  switch (code) {
  case PC_SMS_DATA_REQ:
  case PC_MBK_DATA_REQ:
  case PC_SKEY_DATA_REQ:
  case PC_MGRP_DATA_REQ:
  case PC_BK_DATA_REQ:
  case PC_GRP_DATA_REQ:
    return true;
  default:
    return false;
  }
}

} // namespace

std::vector<Frame> PhoneModel::answer(const Frame &request) {
  if (request.code == refused_) {
    return {refused(request.code)};
  }
  return handle(request);
}

std::vector<Frame> PhoneModel::handle(const Frame &request) {
  const uint8_t first = request.data.empty() ? 0 : request.data[0];
  switch (request.code) {
  case PC_PING2:
    return {Frame{PC_PONG, Bytes(state_.info.begin(), state_.info.end())}};
  case PC_PW_SET_REQ:
    return password(request);
  default:
    break;
  }
  const bool allowed = std::exchange(authorised_, false) || (inExchange_ && isFollowUp(request.code));
  inExchange_ = allowed;
  if (!allowed) {
    return {refused(request.code)};
  }
  switch (request.code) {
  case PC_SMS_INDEX_REQ:
    return smsIndex();
  case PC_SMS_DATA_REQ:
    return smsRecord(first);
  case PC_MBK_INDEX_REQ:
    return phonebookIndex();
  case PC_MBK_DATA_REQ:
    if (first < PhoneState::kSlots && !state_.phonebook[first].empty()) {
      return {Frame{PC_MBK_DATA_DATA, state_.phonebook[first]}};
    }
    return {refused(request.code)};
  case PC_SKEY_DATA_REQ:
    return {Frame{PC_SKEY_DATA_DATA, state_.speedDials}};
  case PC_GRP_DATA_REQ:
  case PC_MGRP_DATA_REQ:
    return {Frame{PC_GRP_DATA_DATA, state_.groups}};
  case PC_ALM_DATA_REQ:
    return {Frame{PC_ALM_DATA_DATA, state_.alarms}};
  case PC_OPT_DATA_REQ: {
    // The record carries the password the phone checks now.
    Bytes options = state_.options;
    const PackedPassword packed = packPassword(state_.password);
    std::copy(packed.begin(), packed.end(), options.begin() + kOptionPasswordOffset);
    return {Frame{PC_OPT_DATA_DATA, options}};
  }
  default:
    return store(request);
  }
}

std::vector<Frame> PhoneModel::password(const Frame &request) {
  const PackedPassword expected = packPassword(state_.password);
  authorised_ = request.data.size() >= 2 && request.data[0] == expected[0] && request.data[1] == expected[1];
  return {authorised_ ? accepted(PC_PW_SET_REQ) : refused(PC_PW_SET_REQ)};
}

std::vector<Frame> PhoneModel::smsIndex() const {
  Bytes bitmap(5, 0);
  for (size_t i = 0; i < PhoneState::kReceivedSlots; ++i) {
    if (!state_.received[i].empty()) {
      setBit(bitmap, i);
    }
  }
  for (size_t i = 0; i < PhoneState::kSavedSlots; ++i) {
    if (!state_.saved[i].empty()) {
      setBit(bitmap, 24 + i);
    }
  }
  return {Frame{PC_SMS_INDEX_DATA, bitmap}};
}

std::vector<Frame> PhoneModel::smsRecord(uint8_t slot) const {
  const bool saved = (slot & 0x80) != 0;
  const size_t index = slot & 0x7F;
  if (saved ? index < PhoneState::kSavedSlots && !state_.saved[index].empty()
            : index < PhoneState::kReceivedSlots && !state_.received[index].empty()) {
    return {Frame{PC_SMS_DATA_DATA, saved ? state_.saved[index] : state_.received[index]}};
  }
  return {refused(PC_SMS_DATA_REQ)};
}

std::vector<Frame> PhoneModel::phonebookIndex() const {
  Bytes bitmap(25, 0);
  for (size_t i = 0; i < PhoneState::kSlots; ++i) {
    if (!state_.phonebook[i].empty()) {
      setBit(bitmap, i);
    }
  }
  return {Frame{PC_MBK_INDEX_DATA, bitmap}};
}

std::vector<Frame> PhoneModel::store(const Frame &request) {
  const Bytes &data = request.data;
  const auto size = fixedSize(request.code);
  if (size && data.size() != *size) {
    return {refused(request.code)};
  }
  const uint8_t first = data.empty() ? 0 : data[0];
  switch (request.code) {
  case PC_MBK_SET_REQ:
    if (first >= PhoneState::kSlots) {
      return {refused(request.code)};
    }
    state_.phonebook[first] = (data[2] & 1) != 0 ? data : Bytes();
    break;
  case PC_MGRP_SET_REQ:
    state_.groups = data;
    break;
  case PC_SKEY_SET_REQ:
    state_.speedDials = data;
    break;
  case PC_ALM_SET_REQ:
    state_.alarms = data;
    break;
  case PC_OPT_SET_REQ:
    state_.options = data;
    state_.password = unpackPassword({data[kOptionPasswordOffset], data[kOptionPasswordOffset + 1]});
    break;
  case PC_SMS_SEND_REQ:
    state_.outbox.push_back(data);
    break;
  case PC_SMS_SET_REQ: {
    if (data.size() < wire::kSmsTextOffset || data.size() != wire::kSmsTextOffset + data[42] ||
        data[42] > 85) {
      return {refused(request.code)};
    }
    const size_t index = first & 0x7F;
    const auto box = (first & 0x80) != 0 ? std::span<Bytes>(state_.saved) : std::span<Bytes>(state_.received);
    if (index >= box.size()) {
      return {refused(request.code)};
    }
    Bytes record = wire::padded(data, wire::kSmsRecordSize);
    record[1] = 0;
    box[index] = data[1] == 1 ? record : Bytes();
    break;
  }
  case PC_MD_SET_REQ:
  case PC_ANI_SET_REQ: {
    const bool melody = request.code == PC_MD_SET_REQ;
    if (first >= PhoneState::kMediaSlots ||
        (melody && (data.size() < 22 || data.size() != 22u + wire::getU16(data, 19)))) {
      return {refused(request.code)};
    }
    (melody ? state_.melodies : state_.animations)[first] = data;
    break;
  }
  default:
    return {refused(request.code)};
  }
  changed_ = true;
  return {accepted(request.code)};
}

} // namespace pdx::simulator
