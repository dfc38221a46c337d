// Arbitrary bytes from the modem, pushed to the reader in pieces whose sizes
// the input chooses, with a command waiting that the input chooses too;
// every line of an answer or unsolicited code goes through each parser.
#include "link/at/at_lines.h"
#include "link/at/at_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace pdx::at;

constexpr std::array<std::string_view, 8> kCommands = {
    "AT+CPBR=1,250", "AT+CMGL=4", "AT+CMGS=23", "AT+CPMS?", "AT+CSCS=?", "AT+CPIN?", "ATE1", "AT+CPBR=?"};

void parseAll(std::string_view line) {
  for (Charset charset : {Charset::Ucs2, Charset::Gsm, Charset::Ira}) {
    (void)decodeText(line, charset);
    (void)decodeNumber(line, charset);
  }
  (void)parsePhonebookEntry(line);
  (void)parsePhonebookRange(line);
  (void)parsePhonebookStorage(line);
  (void)parseMessageStorage(line);
  (void)parseMessageListEntry(line);
  (void)parseMessageRead(line);
  (void)parseFirstNumber(line, "+CMGS");
  (void)parsePinState(line);
  (void)parseCharsets(line);
}

void drain(AtReader &reader) {
  (void)reader.takePrompt();
  if (std::optional<AtResponse> response = reader.takeResponse()) {
    for (const std::string &line : response->lines) {
      parseAll(line);
    }
  }
  for (const Unsolicited &code : reader.takeUnsolicited()) {
    parseAll(code.line);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  AtReader reader;
  size_t at = 0;
  while (at < size) {
    const uint8_t control = data[at];
    if (control >= 0xF8) {
      reader.beginCommand(kCommands[control & 0x07]);
    }
    const size_t begin = at + 1;
    const size_t end = std::min(size, begin + 1 + control % 64);
    reader.push(std::string_view(reinterpret_cast<const char *>(data + begin), end - begin));
    drain(reader);
    at = end;
  }
  return 0;
}
