#include "simulator/state_check.h"

#include "core/base/user_text.h"
#include "link/connection/password.h"
#include "link/connection/phone_link.h"
#include "link/wire/download_wire.h"
#include "link/wire/phonebook_wire.h"
#include "link/wire/sms_wire.h"

#include <span>

namespace pdx::simulator {
namespace {

using link::wire::getU16;

constexpr size_t kGroupTableSize = 340;
constexpr size_t kSpeedDialSize = 198;
constexpr size_t kAlarmTableSize = 220;
constexpr size_t kOptionSize = 128;
constexpr size_t kMelodyHeader = 22;
constexpr size_t kMelodyMax = 500;
constexpr uint8_t kMaxGroupId = 19;
constexpr uint8_t kMaxSmsText = 85;
constexpr uint8_t kSavedBoxBit = 0x80;

std::string at(const char *field, size_t index) {
  return std::string(field) + "[" + std::to_string(index) + "]: ";
}

std::string lengthFault(const std::string &where, const Bytes &record, size_t size) {
  return record.size() == size
             ? std::string()
             : where + text::fill(text::translate("pdx::simulator", "%1바이트여야 합니다 (%2바이트)"),
                                  {std::to_string(size), std::to_string(record.size())});
}

std::string slotFault(const std::string &where, const Bytes &record) {
  return where + text::fill(text::translate("pdx::simulator", "기록의 슬롯 번호가 %1입니다"),
                            {std::to_string(record[0])});
}

std::string phonebookFault(const Bytes &record, size_t slot) {
  const std::string where = at("phonebook", slot);
  if (std::string fault = lengthFault(where, record, link::wire::kSlotRecordSize); !fault.empty()) {
    return fault;
  }
  if (record[0] != slot) {
    return slotFault(where, record);
  }
  if (record[1] > kMaxGroupId) {
    return where + text::translate("pdx::simulator", "그룹 번호는 0~19여야 합니다");
  }
  return (record[2] & 1) == 0 ? where + text::translate("pdx::simulator", "사용 중 표시가 없습니다")
                              : std::string();
}

std::string smsFault(const char *box, const Bytes &record, size_t index, uint8_t slotByte) {
  const std::string where = at(box, index);
  if (std::string fault = lengthFault(where, record, link::wire::kSmsRecordSize); !fault.empty()) {
    return fault;
  }
  if (record[0] != slotByte) {
    return slotFault(where, record);
  }
  return record[42] > kMaxSmsText ? where + text::translate("pdx::simulator", "글자 수는 85바이트까지입니다")
                                  : std::string();
}

std::string mediaFault(const char *field, const Bytes &record, size_t index) {
  const std::string where = at(field, index);
  const bool melody = std::string_view(field) == "melodies";
  if (melody && (record.size() < kMelodyHeader || record.size() != kMelodyHeader + getU16(record, 19) ||
                 getU16(record, 19) > kMelodyMax)) {
    return where + text::translate("pdx::simulator", "멜로디 길이가 맞지 않습니다");
  }
  if (!melody) {
    if (std::string fault = lengthFault(where, record, link::wire::kAnimationPayloadSize); !fault.empty()) {
      return fault;
    }
  }
  return record[0] != index ? slotFault(where, record) : std::string();
}

template <typename Check> std::string firstFault(std::span<const Bytes> records, Check check) {
  for (size_t i = 0; i < records.size(); ++i) {
    if (!records[i].empty()) {
      if (std::string fault = check(records[i], i); !fault.empty()) {
        return fault;
      }
    }
  }
  return {};
}

std::string tableFault(const PhoneState &state) {
  const std::pair<const char *, std::pair<const Bytes *, size_t>> tables[] = {
      {"groups", {&state.groups, kGroupTableSize}},
      {"speed_dials", {&state.speedDials, kSpeedDialSize}},
      {"alarms", {&state.alarms, kAlarmTableSize}},
      {"options", {&state.options, kOptionSize}},
  };
  for (const auto &[name, table] : tables) {
    if (std::string fault = lengthFault(std::string(name) + ": ", *table.first, table.second);
        !fault.empty()) {
      return fault;
    }
  }
  return {};
}

} // namespace

std::string stateFault(const PhoneState &state) {
  if (!link::isValidPassword(state.password)) {
    return "password: " + text::translate("pdx::simulator", "숫자 네 자리여야 합니다");
  }
  if (state.info.size() > link::kPhoneInfoSize) {
    return "info: " + text::translate("pdx::simulator", "32바이트까지입니다");
  }
  std::string fault = tableFault(state);
  if (fault.empty()) {
    fault = firstFault(state.phonebook, phonebookFault);
  }
  if (fault.empty()) {
    fault = firstFault(state.received, [](const Bytes &r, size_t i) {
      return smsFault("received", r, i, static_cast<uint8_t>(i));
    });
  }
  if (fault.empty()) {
    fault = firstFault(state.saved, [](const Bytes &r, size_t i) {
      return smsFault("saved", r, i, static_cast<uint8_t>(kSavedBoxBit + i));
    });
  }
  if (fault.empty()) {
    fault = firstFault(state.melodies, [](const Bytes &r, size_t i) { return mediaFault("melodies", r, i); });
  }
  if (fault.empty()) {
    fault =
        firstFault(state.animations, [](const Bytes &r, size_t i) { return mediaFault("animations", r, i); });
  }
  return fault;
}

} // namespace pdx::simulator
