// What the AT modem simulator holds: its SIM's PIN, two phonebooks and a
// store of 30 messages, as a phone of today keeps them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::simulator::at {

struct AtEntry {
  std::string number; // digits, with '+' when international
  std::string name;   // UTF-8
};

// One memory of the phonebook: entries by index 1..size, and the longest
// number (digits) and name (characters) it holds.
struct AtPhonebook {
  int size = 0;
  int numberLength = 0;
  int nameLength = 0;
  std::map<int, AtEntry> entries;
};

// A stored message: status 0 received unread, 1 received read, 2 stored
// unsent, 3 stored sent; the PDU in hexadecimal with the service centre.
struct AtMessage {
  int status = 0;
  std::string pdu;
};

struct AtModemState {
  static constexpr int kMessagePlaces = 30;

  std::string pin = "1234";
  std::string puk = "12345678";
  // The SIM asks for its PIN whenever the phone starts; `pinRequired` says
  // whether it waits for it now.
  bool pinLock = true;
  bool pinRequired = true;
  int pinAttempts = 3;
  int pukAttempts = 10;
  std::string maker = "QZ Telecom";
  std::string model = "QZ-3000";
  std::string revision = "1.04";
  std::string imei = "354123456789012";
  // Numbers of +CPBR in the character set (UCS2 hex) instead of digits.
  bool numbersInCharset = false;
  AtPhonebook sim{250, 20, 14, {}};
  AtPhonebook phone{100, 40, 20, {}};
  std::vector<std::optional<AtMessage>> messages = std::vector<std::optional<AtMessage>>(kMessagePlaces);
  std::vector<std::string> sent; // PDUs handed over by +CMGS, as they came
};

// Why a memory refuses an entry, or None when it takes it: the number must
// be digits, '*' and '#' (with one leading '+') no longer than the memory's
// number length, the name valid text no longer than its name length.
enum class EntryFault { None, BadNumber, NumberTooLong, BadText, TextTooLong };
EntryFault entryFault(const AtPhonebook &memory, const AtEntry &entry);

// A PIN or PUK as the SIM keeps one: 4 to 8 digits.
bool isSimCode(std::string_view code);

// A full SIM book of Korean names (some sharing a name), a few phone
// entries, and delivered, stored and concatenated messages in `messages`
// of the 30 places (at most 30).
AtModemState sampleModemState(int messages = 12);

// An SMS-DELIVER from `sender` with `text` (UTF-8), in hexadecimal with a
// service centre; a long text gives the parts of a concatenated message.
std::vector<std::string> deliverPdus(const std::string &sender, const std::string &text, uint8_t reference);

} // namespace pdx::simulator::at
