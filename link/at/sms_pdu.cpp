#include "link/at/sms_pdu.h"

#include "core/base/bytes.h"
#include "link/at/gsm_alphabet.h"
#include "link/at/text_codec.h"

#include <algorithm>

namespace pdx::at {

namespace {

constexpr size_t kMaxSeptets = 160;
constexpr uint8_t kUserDataHeader = 0x40;
constexpr uint8_t kIeConcat8 = 0x00;
constexpr uint8_t kIeConcat16 = 0x08;

SmsCoding codingOf(uint8_t dcs) {
  const int group = dcs >> 4;
  if (group <= 0x07) {
    if ((dcs & 0x20) != 0) {
      return SmsCoding::Data8; // compressed: the octets as they are
    }
    const int alphabet = (dcs >> 2) & 0x03;
    return alphabet == 1 ? SmsCoding::Data8 : (alphabet == 2 ? SmsCoding::Ucs2 : SmsCoding::Gsm7);
  }
  if (group == 0x0F) {
    return (dcs & 0x04) != 0 ? SmsCoding::Data8 : SmsCoding::Gsm7;
  }
  // Message waiting groups; reserved groups read as the default alphabet.
  return group == 0x0E ? SmsCoding::Ucs2 : SmsCoding::Gsm7;
}

uint8_t dcsOf(SmsCoding coding) {
  switch (coding) {
  case SmsCoding::Data8:
    return 0x04;
  case SmsCoding::Ucs2:
    return 0x08;
  case SmsCoding::Gsm7:
    break;
  }
  return 0x00;
}

// The concatenation element of a user data header; other elements are
// skipped, and an element whose place is outside 1 to total is ignored.
bool readHeader(std::span<const uint8_t> header, std::optional<ConcatInfo> &concat) {
  size_t at = 0;
  while (at + 2 <= header.size()) {
    const uint8_t iei = header[at];
    const size_t length = header[at + 1];
    if (at + 2 + length > header.size()) {
      return false;
    }
    const uint8_t *value = header.data() + at + 2;
    const bool wide = iei == kIeConcat16;
    if ((iei == kIeConcat8 && length == 3) || (wide && length == 4)) {
      ConcatInfo info{static_cast<uint16_t>(wide ? value[0] << 8 | value[1] : value[0]), value[length - 2],
                      value[length - 1], wide};
      if (info.total > 0 && info.sequence > 0 && info.sequence <= info.total) {
        concat = info;
      }
    }
    at += 2 + length;
  }
  return at == header.size();
}

bool readUserData(ByteReader &in, uint8_t firstOctet, SmsPdu &pdu) {
  const size_t length = in.u8();
  const bool septets = pdu.coding == SmsCoding::Gsm7;
  if (length > (septets ? kMaxSeptets : kMaxUserData)) {
    return false;
  }
  const std::string_view raw = in.raw(septets ? (length * 7 + 7) / 8 : length);
  if (in.failed()) {
    return false;
  }
  const std::vector<uint8_t> ud(raw.begin(), raw.end());
  size_t headerOctets = 0;
  if ((firstOctet & kUserDataHeader) != 0) {
    headerOctets = ud.empty() ? 1 : ud[0] + 1u;
    if (headerOctets > ud.size() || !readHeader(std::span(ud).subspan(1, headerOctets - 1), pdu.concat)) {
      return false;
    }
  }
  if (septets) {
    const std::vector<uint8_t> all = unpackSeptets(ud, length, 0);
    const size_t skip = std::min(all.size(), (headerOctets * 8 + 6) / 7);
    pdu.text = toUtf8(fromGsm(std::span(all).subspan(skip)));
  } else if (pdu.coding == SmsCoding::Ucs2) {
    pdu.text = ucs2ToUtf8(std::vector<uint8_t>(ud.begin() + static_cast<long>(headerOctets), ud.end()));
  } else {
    pdu.data.assign(ud.begin() + static_cast<long>(headerOctets), ud.end());
  }
  return true;
}

// Octets of the validity period that a message to send carries, by its
// format (bits 3 and 4 of the first octet).
size_t validityOctets(uint8_t firstOctet) {
  constexpr size_t kSizes[] = {0, 7, 1, 7};
  return kSizes[(firstOctet >> 3) & 0x03];
}

// The fields between the first octet and the user data.
bool readHead(ByteReader &in, uint8_t firstOctet, SmsPdu &pdu) {
  if (pdu.kind == SmsKind::Submit) {
    pdu.messageReference = in.u8();
  }
  std::optional<SmsAddress> address = readAddress(in);
  if (!address) {
    return false;
  }
  pdu.address = std::move(*address);
  pdu.protocolId = in.u8();
  pdu.coding = codingOf(in.u8());
  if (pdu.kind == SmsKind::Deliver) {
    pdu.sentAt = readTimestamp(in);
  } else {
    in.skip(validityOctets(firstOctet));
  }
  return !in.failed();
}

} // namespace

std::optional<SmsPdu> decodePdu(std::string_view hex, std::optional<size_t> tpduLength) {
  if (hex.size() > kMaxPduHex) {
    return std::nullopt;
  }
  const std::optional<std::vector<uint8_t>> octets = fromHex(hex);
  if (!octets) {
    return std::nullopt;
  }
  ByteReader in(*octets);
  SmsPdu pdu;
  if (!tpduLength || *tpduLength != octets->size()) {
    std::optional<SmsAddress> centre = readServiceCentre(in);
    if (!centre) {
      return std::nullopt;
    }
    pdu.serviceCentre = std::move(*centre);
  }
  const uint8_t first = in.u8();
  const int type = first & 0x03;
  if (type > 1) {
    return std::nullopt;
  }
  pdu.kind = type == 0 ? SmsKind::Deliver : SmsKind::Submit;
  if (!readHead(in, first, pdu) || !readUserData(in, first, pdu)) {
    return std::nullopt;
  }
  return pdu;
}

namespace {

constexpr uint8_t kSubmit = 0x01;
constexpr uint8_t kRelativeValidity = 0x10;
constexpr uint8_t kOneWeek = 173; // relative validity: (173 - 166) days

std::vector<uint8_t> headerOf(const std::optional<ConcatInfo> &concat) {
  if (!concat) {
    return {};
  }
  if (concat->wideReference) {
    return {6,
            kIeConcat16,
            4,
            static_cast<uint8_t>(concat->reference >> 8),
            static_cast<uint8_t>(concat->reference & 0xFF),
            concat->total,
            concat->sequence};
  }
  return {5, kIeConcat8, 3, static_cast<uint8_t>(concat->reference & 0xFF), concat->total, concat->sequence};
}

// The septets of `text` that fit `room`, an escape pair never split.
std::vector<uint8_t> septetsFitting(const std::string &text, size_t room) {
  std::vector<uint8_t> septets = toGsm(codePoints(text)).septets;
  if (septets.size() > room) {
    const bool splitsPair = room > 0 && septets[room - 1] == kGsmEscape;
    septets.resize(splitsPair ? room - 1 : room);
  }
  return septets;
}

// The UCS2 octets of `text` that fit `room` octets, a surrogate pair never split.
std::vector<uint8_t> ucs2Fitting(const std::string &text, size_t room) {
  std::vector<uint8_t> octets = utf8ToUcs2(text);
  if (octets.size() > room) {
    size_t keep = room & ~size_t{1};
    if (keep >= 2 && (octets[keep - 2] & 0xFC) == 0xD8) {
      keep -= 2;
    }
    octets.resize(keep);
  }
  return octets;
}

// The user data length (septets or octets) and the user data: the header,
// fill bits when septets follow, and as much of the text as fits.
void writeUserData(std::vector<uint8_t> &tpdu, const SmsPdu &pdu, const std::vector<uint8_t> &header) {
  std::vector<uint8_t> ud;
  if (pdu.coding == SmsCoding::Gsm7) {
    const size_t headerSeptets = (header.size() * 8 + 6) / 7;
    std::vector<uint8_t> septets(headerSeptets, 0);
    const std::vector<uint8_t> text = septetsFitting(pdu.text, kMaxSeptets - headerSeptets);
    septets.insert(septets.end(), text.begin(), text.end());
    ud = packSeptets(septets, 0);
    std::copy(header.begin(), header.end(), ud.begin());
    tpdu.push_back(static_cast<uint8_t>(septets.size()));
  } else {
    ud = header;
    const size_t room = kMaxUserData - header.size();
    if (pdu.coding == SmsCoding::Ucs2) {
      const std::vector<uint8_t> body = ucs2Fitting(pdu.text, room);
      ud.insert(ud.end(), body.begin(), body.end());
    } else {
      ud.insert(ud.end(), pdu.data.begin(),
                pdu.data.begin() + static_cast<long>(std::min(room, pdu.data.size())));
    }
    tpdu.push_back(static_cast<uint8_t>(ud.size()));
  }
  tpdu.insert(tpdu.end(), ud.begin(), ud.end());
}

} // namespace

EncodedPdu encodeSubmit(const SmsPdu &pdu) {
  const std::vector<uint8_t> header = headerOf(pdu.concat);
  std::vector<uint8_t> tpdu{
      static_cast<uint8_t>(kSubmit | kRelativeValidity | (header.empty() ? 0 : kUserDataHeader)),
      pdu.messageReference};
  writeAddress(tpdu, pdu.address);
  tpdu.push_back(pdu.protocolId);
  tpdu.push_back(dcsOf(pdu.coding));
  tpdu.push_back(kOneWeek);
  writeUserData(tpdu, pdu, header);
  return {"00" + toHex(tpdu), tpdu.size()};
}

} // namespace pdx::at
