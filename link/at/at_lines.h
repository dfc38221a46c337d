// The information lines of the phonebook and message commands, and the
// modem's character sets for the texts they carry. Parsers take one line
// as the reader gave it and return nothing for a line of another command
// or a malformed one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

// The values after "PREFIX:": quoted strings without their quotes, a
// bracketed list as one value without its brackets, bare values trimmed.
// Nothing unless the line starts with `prefix` and its quotes and brackets
// are closed.
std::optional<std::vector<std::string>> fieldsOf(std::string_view line, std::string_view prefix);

enum class Charset : uint8_t { Ucs2, Gsm, Ira };

// UCS2 when the modem offers it (+CSCS=? lists them), else GSM, else IRA.
Charset chooseCharset(const std::vector<std::string> &offered);
std::string_view charsetName(Charset charset);

// Text of a string value in `charset` as UTF-8. A UCS2 value that is not
// hexadecimal is taken as it stands; IRA octets past 0x7F become U+FFFD.
std::string decodeText(std::string_view value, Charset charset);
// UTF-8 as a string value in `charset`; characters the set lacks become
// '?' and are counted.
struct CharsetText {
  std::string value;
  size_t unmapped = 0;
};
CharsetText encodeText(std::string_view utf8, Charset charset);
// A number value: phones send plain digits or the digits in the character
// set (UCS2 hex); both are read.
std::string decodeNumber(std::string_view value, Charset charset);

// +CPBR: 5,"01012345678",129,"홍길동" (the name still in the character set)
struct PhonebookLine {
  int index = 0;
  std::string number;
  int type = 0;
  std::string name;
};
std::optional<PhonebookLine> parsePhonebookEntry(std::string_view line);

// +CPBR: (1-250),40,18: the indexes, the longest number and name.
struct PhonebookRange {
  int first = 0;
  int last = 0;
  int numberLength = 0;
  int nameLength = 0;
};
std::optional<PhonebookRange> parsePhonebookRange(std::string_view line);

// +CPBS: "SM",10,250 and each storage of +CPMS: "SM",3,20,"SM",3,20,...
// (or, after a +CPMS= set, +CPMS: 3,20,3,20,... without names).
struct StorageUse {
  std::string storage;
  int used = 0;
  int total = 0;
};
std::optional<StorageUse> parsePhonebookStorage(std::string_view line);
std::optional<std::vector<StorageUse>> parseMessageStorage(std::string_view line);

// +CMGL: 3,1,,24 and +CMGR: 1,,24: index (-1 for +CMGR), status and the
// TPDU's length; the PDU is the next line.
struct MessageHeader {
  int index = -1;
  int status = 0; // 0 received unread, 1 received read, 2 stored unsent, 3 stored sent
  int length = 0;
};
std::optional<MessageHeader> parseMessageListEntry(std::string_view line);
std::optional<MessageHeader> parseMessageRead(std::string_view line);

// The first value of +CMGS: 12 (the message's reference) or +CMGW: 5 (its
// index in the memory).
std::optional<int> parseFirstNumber(std::string_view line, std::string_view prefix);

// +CPIN: READY, +CPIN: SIM PIN ...: the state after the colon.
std::optional<std::string> parsePinState(std::string_view line);

// +CSCS: ("IRA","GSM","UCS2"): the offered character sets.
std::optional<std::vector<std::string>> parseCharsets(std::string_view line);

} // namespace pdx::at
