#include "link/at/sms_fields.h"

#include "core/base/bytes.h"
#include "link/at/gsm_alphabet.h"
#include "link/at/text_codec.h"

#include <algorithm>

namespace pdx::at {

namespace {

constexpr char kDigits[] = "0123456789*#abc";
constexpr uint8_t kMaxSemiOctets = 20;

uint8_t typeOctet(NumberType type) {
  // The numbering plan is ISDN/telephone (1) for numbers, none for text.
  return static_cast<uint8_t>(0x80 | static_cast<uint8_t>(type) << 4 |
                              (type == NumberType::Alphanumeric ? 0 : 1));
}

int semiOctet(char digit) {
  for (int i = 0; kDigits[i] != '\0'; ++i) {
    if (kDigits[i] == digit) {
      return i;
    }
  }
  return -1;
}

std::string readDigits(ByteReader &in, size_t octets, size_t digits) {
  std::string out;
  for (size_t i = 0; i < octets; ++i) {
    const uint8_t octet = in.u8();
    for (int nibble : {octet & 0x0F, octet >> 4}) {
      if (out.size() < digits && nibble < 15) {
        out.push_back(kDigits[nibble]);
      }
    }
  }
  return out;
}

NumberType numberType(uint8_t octet) {
  const int ton = (octet >> 4) & 0x07;
  switch (ton) {
  case 1:
  case 2:
  case 5:
    return static_cast<NumberType>(ton);
  default:
    return NumberType::Unknown;
  }
}

int bcd(uint8_t octet) {
  return (octet & 0x0F) * 10 + (octet >> 4);
}

} // namespace

std::optional<SmsAddress> readAddress(ByteReader &in) {
  const uint8_t semiOctets = in.u8();
  if (semiOctets > kMaxSemiOctets) {
    return std::nullopt;
  }
  SmsAddress address;
  address.type = numberType(in.u8());
  const size_t octets = (semiOctets + 1u) / 2;
  if (address.type == NumberType::Alphanumeric) {
    const std::string_view raw = in.raw(octets);
    const std::vector<uint8_t> packed(raw.begin(), raw.end());
    address.value = toUtf8(fromGsm(unpackSeptets(packed, semiOctets * 4u / 7, 0)));
  } else {
    address.value = readDigits(in, octets, semiOctets);
  }
  return address;
}

void writeAddress(std::vector<uint8_t> &out, const SmsAddress &address) {
  if (address.type == NumberType::Alphanumeric) {
    std::vector<uint8_t> septets = toGsm(codePoints(address.value)).septets;
    septets.resize(std::min<size_t>(septets.size(), kMaxSemiOctets * 4 / 7));
    const std::vector<uint8_t> packed = packSeptets(septets, 0);
    out.push_back(static_cast<uint8_t>((septets.size() * 7 + 3) / 4));
    out.push_back(typeOctet(address.type));
    out.insert(out.end(), packed.begin(), packed.end());
    return;
  }
  std::vector<int> digits;
  for (char c : address.value) {
    if (const int d = semiOctet(c); d >= 0 && digits.size() < kMaxSemiOctets) {
      digits.push_back(d);
    }
  }
  out.push_back(static_cast<uint8_t>(digits.size()));
  out.push_back(typeOctet(address.type));
  for (size_t i = 0; i < digits.size(); i += 2) {
    const int high = i + 1 < digits.size() ? digits[i + 1] : 0x0F;
    out.push_back(static_cast<uint8_t>(high << 4 | digits[i]));
  }
}

std::optional<SmsAddress> readServiceCentre(ByteReader &in) {
  const uint8_t octets = in.u8();
  if (octets == 0) {
    return SmsAddress{};
  }
  if (octets > kMaxSemiOctets / 2 + 1) {
    return std::nullopt;
  }
  SmsAddress address;
  address.type = numberType(in.u8());
  address.value = readDigits(in, octets - 1u, (octets - 1u) * 2);
  return address;
}

SmsTimestamp readTimestamp(ByteReader &in) {
  SmsTimestamp t;
  const int year = bcd(in.u8());
  t.year = year >= 90 ? 1900 + year : 2000 + year;
  t.month = bcd(in.u8());
  t.day = bcd(in.u8());
  t.hour = bcd(in.u8());
  t.minute = bcd(in.u8());
  t.second = bcd(in.u8());
  // Bit 3 of the zone octet (before the swap) is the sign.
  const uint8_t zone = in.u8();
  const int quarters = bcd(zone & 0xF7);
  t.zoneQuarters = (zone & 0x08) != 0 ? -quarters : quarters;
  const bool valid = year < 100 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 &&
                     t.hour < 24 && t.minute < 60 && t.second < 60 && quarters < 80;
  return valid ? t : SmsTimestamp{};
}

} // namespace pdx::at
