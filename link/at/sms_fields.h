// The fields of a short-message TPDU that are not its text: addresses and
// the service centre's time stamp. Readers take a ByteReader positioned at
// the field and leave it after the field; a field cut short fails the reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pdx {
class ByteReader;
}

namespace pdx::at {

// Type-of-number of an address (bits 6 to 4 of its type octet).
enum class NumberType : uint8_t { Unknown = 0, International = 1, National = 2, Alphanumeric = 5 };

// An address as the TPDU carries it: digits ('0' to '9', '*', '#', 'a' to
// 'c') for numbers, UTF-8 text for an alphanumeric sender.
struct SmsAddress {
  NumberType type = NumberType::Unknown;
  std::string value;
};

// The originating or destination address: length in semi-octets (at most
// 20), type, digits in swapped semi-octets (or packed septets when
// alphanumeric). Nothing when longer.
std::optional<SmsAddress> readAddress(ByteReader &in);
void writeAddress(std::vector<uint8_t> &out, const SmsAddress &address);

// The service centre's address before a TPDU: length in octets (type
// included, at most 11); 0 for none.
std::optional<SmsAddress> readServiceCentre(ByteReader &in);

// The service centre's time stamp, its local time and its offset from
// universal time in quarters of an hour (-79 to 79); all zero when a
// field is not a date (the message is kept).
struct SmsTimestamp {
  int year = 0; // full year, 1990 to 2089
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int zoneQuarters = 0;
  bool operator==(const SmsTimestamp &) const = default;
};
SmsTimestamp readTimestamp(ByteReader &in);

} // namespace pdx::at
