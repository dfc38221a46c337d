// The writes: each sends one record or one whole table behind the password
// and succeeds only when the phone answers PC_OK for that request.
#include "link/transfer/transfers.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"

namespace pdx::link {

Outcome PhoneTransfers::write(uint8_t code, std::span<const uint8_t> payload) {
  if (mirror_.inTestMode()) {
    return Outcome::Ok;
  }
  if (const Outcome opened = openPort(); opened != Outcome::Ok) {
    return opened;
  }
  link_.request(code, payload);
  const Answer answer = link_.waitForAnswer(code);
  link_.busyEnd();
  switch (answer) {
  case Answer::Accepted:
    return Outcome::Ok;
  case Answer::Refused:
    return Outcome::Refused;
  case Answer::WrongPassword:
    return Outcome::WrongPassword;
  case Answer::NoAnswer:
    break;
  }
  return link_.deviceLost() ? Outcome::Disconnected : Outcome::NoAnswer;
}

Outcome PhoneTransfers::writeSms(const core::SmsMessage &message, wire::SmsOperation operation) {
  return write(PC_SMS_SET_REQ, wire::encodeSmsSet(message, operation));
}

Outcome PhoneTransfers::sendSms(const core::SmsMessage &message, std::string_view callback,
                                std::string_view recipient) {
  return write(PC_SMS_SEND_REQ, wire::encodeSmsSend(message, callback, recipient));
}

Outcome PhoneTransfers::writePhonebookSlot(uint8_t slot, const core::PhoneBookEntry &entry) {
  readBack_.reset();
  const Outcome outcome = write(PC_MBK_SET_REQ, wire::encodeSlotRecord(entry, slot));
  return outcome == Outcome::NoAnswer ? readBackSlot(slot, entry) : outcome;
}

// The acknowledgement of a write was lost, not necessarily the write: ask
// the phone for the slot. A phone refuses to send an empty slot.
Outcome PhoneTransfers::readBackSlot(uint8_t slot, const core::PhoneBookEntry &written) {
  slotRecord_.clear();
  if (startRead(Reading::Slot, PC_MBK_DATA_REQ, std::array{slot}, {}) != Outcome::Ok) {
    return Outcome::NoAnswer;
  }
  pending_ = slot;
  const Outcome read = waitRead(kAnswerWait);
  const wire::Bytes record = wire::padded(slotRecord_, wire::kSlotRecordSize);
  if (read == Outcome::Refused || (read == Outcome::Ok && (record[2] & 1) == 0)) {
    readBack_ = core::PhoneBookEntry();
  } else if (read == Outcome::Ok) {
    readBack_ = wire::decodeSlotRecord(record);
  } else {
    return read;
  }
  const bool holds = wire::encodeSlotRecord(*readBack_, slot) == wire::encodeSlotRecord(written, slot);
  return holds ? Outcome::Ok : Outcome::NoAnswer;
}

Outcome PhoneTransfers::writeGroups(const core::GroupTable &table, int id, const core::PhoneGroup &group) {
  wire::Bytes payload = wire::encodeGroupTable(table);
  if (id >= 0 && id < core::GroupTable::kMaxGroups) {
    wire::putGroup(payload, static_cast<size_t>(id), group);
  }
  return write(PC_MGRP_SET_REQ, payload);
}

Outcome PhoneTransfers::writeSpeedDial(const core::SpeedDialTable &table, int key,
                                       const core::SpeedDialKey &value) {
  wire::Bytes payload = wire::encodeSpeedDials(table);
  if (key >= 0 && key < core::kSpeedDialKeys) {
    wire::putU16(payload, static_cast<size_t>(key) * 2, wire::speedDialValue(value));
  }
  return write(PC_SKEY_SET_REQ, payload);
}

// The mirror's alarms at positions 0, 1, ... in list order; then `alarm` at
// `position`, or, without one, that position left zero.
Outcome PhoneTransfers::alarmTable(const core::AlarmEntry *alarm, size_t position) {
  wire::Bytes table(wire::kAlarmTableSize, 0);
  const int64_t now = clock_.utcSeconds();
  const core::AlarmList &alarms = mirror_.phoneAlarms();
  for (size_t i = 0; i < alarms.size() && i < wire::kAlarmCount; ++i) {
    wire::putAlarm(table, i, alarms[i], now);
  }
  if (position < wire::kAlarmCount) {
    if (alarm != nullptr) {
      wire::putAlarm(table, position, *alarm, now);
    } else {
      std::fill_n(table.begin() + static_cast<std::ptrdiff_t>(position * wire::kAlarmRecordSize),
                  wire::kAlarmRecordSize, 0);
    }
  }
  return write(PC_ALM_SET_REQ, table);
}

Outcome PhoneTransfers::writeAlarm(size_t position, const core::AlarmEntry &alarm) {
  return alarmTable(&alarm, position);
}

Outcome PhoneTransfers::deleteAlarm(size_t position) {
  return alarmTable(nullptr, position);
}

Outcome PhoneTransfers::writeOptions(const core::PhoneOptions &options) {
  return write(PC_OPT_SET_REQ, wire::encodeOptions(options));
}

Outcome PhoneTransfers::downloadMelody(std::span<const uint8_t> payload) {
  return write(PC_MD_SET_REQ, payload);
}

Outcome PhoneTransfers::downloadAnimation(std::span<const uint8_t> payload) {
  return write(PC_ANI_SET_REQ, payload);
}

} // namespace pdx::link
