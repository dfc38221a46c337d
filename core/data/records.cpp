#include "core/data/records.h"

#include <algorithm>

namespace pdx::core {

std::string numberLabel(size_t kind) {
  return kind < kNumberLabels.size() ? text::translate("pdx::data", kNumberLabels[kind].data())
                                     : std::string();
}

bool PhoneBookEntry::isEmpty() const {
  return name.empty() && std::all_of(numbers.begin(), numbers.end(), [](const auto &n) { return n.empty(); });
}

void PhoneBookEntry::normalise() {
  name.dropDanglingLead();
  for (auto &number : numbers) {
    number.dropDanglingLead();
  }
}

void PhoneBookEntry::writeTo(ByteWriter &out) const {
  out.u16(group);
  out.u16(flags);
  out.text(name);
  for (const auto &number : numbers) {
    out.text(number);
  }
  out.u16(phoneSlot);
  out.u16(phoneState);
}

void PhoneBookEntry::readFrom(ByteReader &in) {
  group = in.u16();
  flags = in.u16();
  in.text(name);
  for (auto &number : numbers) {
    in.text(number);
  }
  phoneSlot = in.u16();
  phoneState = in.u16();
}

int compareBySortKey(const PhoneBookEntry &a, const PhoneBookEntry &b) {
  if (a.phoneState != b.phoneState) {
    return a.phoneState < b.phoneState ? -1 : 1;
  }
  if (a.group != b.group) {
    return a.group < b.group ? -1 : 1;
  }
  if (const int c = text::compareBytes(a.name.view(), b.name.view()); c != 0) {
    return c;
  }
  for (int k = 0; k < kNumberKinds; ++k) {
    if (const int c = text::compareBytes(a.numbers[k].view(), b.numbers[k].view()); c != 0) {
      return c;
    }
  }
  return 0;
}

bool isValidPhoneNumber(std::string_view number) {
  return number.size() <= 32 && std::all_of(number.begin(), number.end(), [](char c) {
           return (c >= '0' && c <= '9') || c == '-' || c == '#' || c == '*' || c == 'p' || c == 'P';
         });
}

bool numbersEqual(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (true) {
    while (i < a.size() && a[i] == '-') {
      ++i;
    }
    while (j < b.size() && b[j] == '-') {
      ++j;
    }
    if (i == a.size() || j == b.size()) {
      return i == a.size() && j == b.size();
    }
    if (a[i++] != b[j++]) {
      return false;
    }
  }
}

void PhoneGroup::writeTo(ByteWriter &out) const {
  out.u16(id);
  out.u16(secret);
  out.u16(melody);
  out.text(name);
  out.u16(phoneId);
}

void PhoneGroup::readFrom(ByteReader &in) {
  id = in.u16();
  secret = in.u16();
  melody = in.u16();
  in.text(name);
  phoneId = in.u16();
}

void SmsMessage::normalise() {
  number.dropDanglingLead();
  text.dropDanglingLead();
}

void SmsMessage::setTime(const CivilTime &time) {
  year = static_cast<uint16_t>(time.year);
  month = static_cast<uint8_t>(time.month);
  day = static_cast<uint8_t>(time.day);
  hour = static_cast<uint8_t>(time.hour);
  minute = static_cast<uint8_t>(time.minute);
  second = static_cast<uint8_t>(time.second);
}

int compareTimeStamps(const SmsMessage &a, const SmsMessage &b) {
  const long dayA = a.year * 366L + a.month * 31L + a.day;
  const long dayB = b.year * 366L + b.month * 31L + b.day;
  if (dayA != dayB) {
    return dayA < dayB ? -1 : 1;
  }
  const long secA = a.hour * 3600L + a.minute * 60L + a.second;
  const long secB = b.hour * 3600L + b.minute * 60L + b.second;
  return secA < secB ? -1 : (secA > secB ? 1 : 0);
}

int firstUnusedKey(const SpeedDialTable &table) {
  for (int i = 0; i < kSpeedDialKeys; ++i) {
    if (table[static_cast<size_t>(i)].isUnused()) {
      return i;
    }
  }
  return -1;
}

} // namespace pdx::core
