// Long messages: a text cut into the parts of a concatenated message for
// sending, and the parts of received or stored messages joined again.
#pragma once

#include "link/at/sms_pdu.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

inline constexpr size_t kMaxParts = 255;

// A text cut at characters into parts: in the default alphabet when every
// character has a place in it, else in UCS2. One part holds 160 septets (an
// extension character takes two) or 70 UCS2 units; each part of a longer
// text 153 septets or 67 units, leaving room for the header. An empty text
// is one empty part; nothing past `kMaxParts` parts.
struct SplitText {
  SmsCoding coding = SmsCoding::Gsm7;
  std::vector<std::string> parts; // UTF-8
};
std::optional<SplitText> splitText(std::string_view utf8);

// The PDUs that send `utf8` to `recipient`, the parts of a long text
// carrying the 8-bit `reference`. Nothing past `kMaxParts` parts.
std::optional<std::vector<EncodedPdu>> submitPdus(const SmsAddress &recipient, std::string_view utf8,
                                                  uint8_t reference);

// A message as the phone stores it, with its index in the phone's memory.
struct StoredSms {
  int index = 0;
  SmsPdu pdu;
  int status = 0; // as +CMGL gives it: 0 received unread, 1 received read, 2 stored unsent, 3 stored sent
};

// One message for the user. The parts of a concatenated message (same kind,
// address, reference and total) are joined in their order when every part
// is there, once: text and data joined, time stamp and addresses of the
// first part, no concatenation info left. A part of a set that is not
// complete stays a message of its own with `complete` false.
struct JoinedSms {
  std::vector<int> indexes; // every stored part, to delete them together
  SmsPdu pdu;
  bool complete = true;
  int status = 0; // the first part's
};

// Messages in the order their first part appears in `stored`.
std::vector<JoinedSms> joinParts(const std::vector<StoredSms> &stored);

} // namespace pdx::at
