// What the modem's command groups share: a command taken apart, the
// answers they build, and the error codes the modem gives.
#pragma once

#include "simulator/at/at_modem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::simulator::at {

// CME error codes of the phonebook and the SIM.
enum Cme {
  kNotAllowed = 3,
  kNotSupported = 4,
  kPinNeeded = 11,
  kPukNeeded = 12,
  kWrongPassword = 16,
  kMemoryFull = 20,
  kInvalidIndex = 21,
  kNotFound = 22,
  kTextTooLong = 24,
  kBadText = 25,
  kNumberTooLong = 26,
  kBadNumber = 27
};
// CMS error codes of the message commands.
enum Cms {
  kCmsNotAllowed = 302,
  kCmsBadPdu = 304,
  kCmsPinNeeded = 311,
  kCmsPukNeeded = 316,
  kCmsBadIndex = 321,
  kCmsFull = 322
};

std::string upper(std::string_view text);
std::optional<int> toInt(std::string_view text);

// A command after "AT": its name ("+CPBR", "E1"), and what follows it:
// "?" reads, "=?" tests, "=..." sets.
struct Command {
  std::string name;
  std::string form; // "", "?", "=?" or "="
  std::vector<std::string> args;
};
Command split(std::string_view text);

// The TPDU's length in octets of a PDU in hexadecimal after its service
// centre's address.
size_t tpduLength(std::string_view hex);

AtModem::Answer ok(std::vector<std::string> lines = {});
AtModem::Answer cme(int code);
AtModem::Answer cms(int code);
AtModem::Answer error();

} // namespace pdx::simulator::at
