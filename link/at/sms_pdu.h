// Short messages in PDU form, as the modem lists them (+CMGL, +CMGR: the
// service centre's address, then the TPDU) and as it takes them for sending
// or storing (+CMGS, +CMGW). Decoded text is UTF-8.
#pragma once

#include "link/at/sms_fields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

// Hexadecimal digits of the longest PDU: a 12-octet service-centre address
// and a 164-octet TPDU. Longer input is refused unread.
inline constexpr size_t kMaxPduHex = 2 * (12 + 164);
inline constexpr size_t kMaxUserData = 140; // octets

enum class SmsKind : uint8_t { Deliver, Submit };
enum class SmsCoding : uint8_t { Gsm7, Data8, Ucs2 };

// One part of a concatenated message: the sender's reference (8 or 16
// bits) and this part's place, 1 to `total`.
struct ConcatInfo {
  uint16_t reference = 0;
  uint8_t total = 0;
  uint8_t sequence = 0;
  bool wideReference = false;
  bool operator==(const ConcatInfo &) const = default;
};

struct SmsPdu {
  SmsKind kind = SmsKind::Deliver;
  SmsAddress serviceCentre;
  SmsAddress address;  // the originator of a delivered message, the recipient of one to send
  SmsTimestamp sentAt; // delivered messages only
  SmsCoding coding = SmsCoding::Gsm7;
  uint8_t protocolId = 0;
  uint8_t messageReference = 0; // messages to send only
  std::optional<ConcatInfo> concat;
  std::string text;          // UTF-8 (7-bit and UCS2 messages)
  std::vector<uint8_t> data; // the octets of an 8-bit message
};

// A PDU in hexadecimal. `tpduLength` is the length the modem reports beside
// it: when the hex holds exactly that many octets there is no service-centre
// prefix; without it a prefix is assumed, as +CMGR gives it. Nothing when the
// PDU is malformed, cut short, too long or neither kind.
std::optional<SmsPdu> decodePdu(std::string_view hex, std::optional<size_t> tpduLength = std::nullopt);

// A message to send or store: hex with an empty service-centre prefix (the
// modem's own) and the TPDU's length in octets, as AT+CMGS=n wants it.
struct EncodedPdu {
  std::string hex;
  size_t tpduLength = 0;
};

// An SMS-SUBMIT of `pdu` (its kind, service centre and time stamp are
// ignored) that the network keeps for a week. The text must fit one part
// of its coding (see concat.h); a longer one is cut at a character.
EncodedPdu encodeSubmit(const SmsPdu &pdu);

} // namespace pdx::at
