#include "link/at/at_lines.h"
#include "link/at/at_reader.h"
#include "link/at/phone_number.h"
#include "link/at/text_codec.h"

#include <gtest/gtest.h>

namespace pdx::at {
namespace {

using namespace std::string_literals;

struct Outcome {
  std::optional<FinalResult> result;
  int errorCode = -1;
  std::vector<std::string> lines;
  std::vector<std::string> unsolicited; // a PDU after '|'
  size_t noise = 0;
  bool operator==(const Outcome &) const = default;
};

Outcome read(const std::string &command, const std::string &bytes, bool byteByByte) {
  AtReader reader;
  if (!command.empty()) {
    reader.beginCommand(command);
  }
  if (byteByByte) {
    for (char c : bytes) {
      reader.push(std::string_view(&c, 1));
    }
  } else {
    reader.push(bytes);
  }
  Outcome out;
  if (const auto response = reader.takeResponse()) {
    out.result = response->result;
    out.errorCode = response->errorCode;
    out.lines = response->lines;
  }
  for (const Unsolicited &code : reader.takeUnsolicited()) {
    out.unsolicited.push_back(code.pdu.empty() ? code.line : code.line + "|" + code.pdu);
  }
  out.noise = reader.noiseLines();
  return out;
}

TEST(AtReader, AnswersUnsolicitedCodesAndNoise) {
  struct Case {
    std::string command;
    std::string bytes;
    Outcome expected;
  };
  const Case cases[] = {
      {"AT+CPBR=1,2",
       "AT+CPBR=1,2\r\r\n+CPBR: 1,\"010\",129,\"A\"\r\n+CPBR: 2,\"011\",129,\"B\"\r\n\r\nOK\r\n",
       {FinalResult::Ok, -1, {"+CPBR: 1,\"010\",129,\"A\"", "+CPBR: 2,\"011\",129,\"B\""}, {}, 0}},
      {"AT+CPMS?", "\n+CPMS: \"SM\",1,20\n\rOK\r", {FinalResult::Ok, -1, {"+CPMS: \"SM\",1,20"}, {}, 0}},
      {"AT+CPIN?", "\r\n+CME ERROR: 10\r\n", {FinalResult::CmeError, 10, {}, {}, 0}},
      {"AT+CMGR=1", "\r\n+CMS ERROR: memory failure\r\n", {FinalResult::CmsError, -1, {}, {}, 0}},
      {"AT+CMGL=4",
       "\r\n+CMGL: 1,1,,5\r\n+CMTI: \"SM\",3\r\n0004AB\r\nRING\r\n^RSSI:12\r\n+CMT: ,24\r\n0791AB\r\nOK\r\n",
       {FinalResult::Ok,
        -1,
        {"+CMGL: 1,1,,5", "0004AB"},
        {"+CMTI: \"SM\",3", "RING", "^RSSI:12", "+CMT: ,24|0791AB"},
        0}},
      {"AT+CREG?", "\r\n+CREG: 0,1\r\n\r\nOK\r\n", {FinalResult::Ok, -1, {"+CREG: 0,1"}, {}, 0}},
      {"AT+CPMS?", "\r\n+CMT: ,24\r\nOK\r\n", {FinalResult::Ok, -1, {}, {"+CMT: ,24"}, 0}},
      {"",
       "\r\nRING\r\n\r\nNO CARRIER\r\n\r\nOK\r\ngar\x00"
       "bage\x07\r\n"s,
       {std::nullopt, -1, {}, {"RING", "NO CARRIER"}, 2}},
      {"AT", std::string(2000, 'x') + "\r\nOK\r\n", {FinalResult::Ok, -1, {}, {}, 1}},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(read(c.command, c.bytes, false), c.expected) << c.bytes;
    EXPECT_EQ(read(c.command, c.bytes, true), c.expected) << c.bytes;
  }
}

TEST(AtReader, PromptThenThePduEchoIsDropped) {
  AtReader reader;
  reader.beginCommand("AT+CMGS=23");
  reader.push("AT+CMGS=23\r\r\n> ");
  EXPECT_TRUE(reader.takePrompt());
  EXPECT_FALSE(reader.takePrompt());
  EXPECT_FALSE(reader.takeResponse());
  reader.beginPdu("0011000B916407281553F8");
  reader.push("0011000b916407281553f8\x1A\r\n+CMGS: 5\r\n\r\nOK\r\n");
  const auto response = reader.takeResponse();
  ASSERT_TRUE(response);
  EXPECT_TRUE(response->ok());
  EXPECT_EQ(response->lines, std::vector<std::string>{"+CMGS: 5"});
  EXPECT_EQ(parseFirstNumber(response->lines[0], "+CMGS"), 5);
  EXPECT_FALSE(reader.waiting());
}

TEST(AtLines, PhonebookAndMessageLines) {
  const auto entry = parsePhonebookEntry("+CPBR: 5,\"D64DAE38B3D9\",129,\"D64DAE38B3D9\",0");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->index, 5);
  EXPECT_EQ(entry->type, 129);
  EXPECT_EQ(decodeText(entry->name, Charset::Ucs2), "홍길동");
  EXPECT_EQ(parsePhonebookRange("+CPBR: (1-250),40,18")->last, 250);
  EXPECT_EQ(parsePhonebookRange("+CPBR: (1-250),40,18")->nameLength, 18);
  EXPECT_EQ(parsePhonebookStorage("+CPBS: \"SM\",10,250")->total, 250);
  EXPECT_EQ(parseMessageStorage("+CPMS: \"SM\",3,20,\"ME\",0,100,\"SM\",3,20")->at(1).storage, "ME");
  EXPECT_EQ(parseMessageStorage("+CPMS: 3,20,3,20,3,20")->size(), 3u);
  EXPECT_EQ(parseMessageListEntry("+CMGL: 3,1,,24")->length, 24);
  EXPECT_EQ(parseMessageListEntry("+CMGL: 3,1,24")->index, 3);
  EXPECT_EQ(parseMessageRead("+CMGR: 0,,24")->status, 0);
  EXPECT_EQ(parsePinState("+CPIN: SIM PIN"), "SIM PIN");
  const auto offered = parseCharsets("+CSCS: (\"IRA\",\"GSM\",\"UCS2\")");
  ASSERT_TRUE(offered);
  EXPECT_EQ(*offered, (std::vector<std::string>{"IRA", "GSM", "UCS2"}));
  EXPECT_EQ(chooseCharset(*offered), Charset::Ucs2);
  EXPECT_EQ(chooseCharset({"IRA", "GSM"}), Charset::Gsm);
  EXPECT_EQ(chooseCharset({"IRA"}), Charset::Ira);
}

TEST(AtLines, RefusesMalformedLines) {
  EXPECT_FALSE(parsePhonebookEntry("+CPBR: x,\"1\",129,\"a\""));
  EXPECT_FALSE(parsePhonebookEntry("+CPBR: 1,\"1,129,\"a\""));
  EXPECT_FALSE(parsePhonebookEntry("+CPBS: 1,\"1\",129,\"a\""));
  EXPECT_FALSE(parsePhonebookRange("+CPBR: (1-250,40,18"));
  EXPECT_FALSE(parseMessageStorage("+CPMS: 3,20,3"));
  EXPECT_FALSE(parseMessageListEntry("+CMGL: 3,\"REC READ\",,24"));
  EXPECT_FALSE(parseMessageListEntry("+CMGL: 3,7,,24"));
  EXPECT_FALSE(parsePinState("+CPINX: READY"));
}

TEST(AtText, CharsetsBothWays) {
  struct Case {
    std::string utf8;
    Charset charset;
    std::string value;
    size_t unmapped;
  };
  const Case cases[] = {
      {"홍길동", Charset::Ucs2, "D64DAE38B3D9", 0},
      {"@a€", Charset::Gsm,
       std::string("\x00"
                   "a\x1B\x65",
                   4),
       0},
      {"a한", Charset::Gsm, "a?", 1},
      {"a~한", Charset::Ira, "a~?", 1},
  };
  for (const Case &c : cases) {
    const CharsetText encoded = encodeText(c.utf8, c.charset);
    EXPECT_EQ(encoded.value, c.value) << c.utf8;
    EXPECT_EQ(encoded.unmapped, c.unmapped) << c.utf8;
    if (c.unmapped == 0) {
      EXPECT_EQ(decodeText(encoded.value, c.charset), c.utf8);
    }
  }
  const Cp949Text name = toCp949("홍길동😀\u0E01😀");
  EXPECT_EQ(name.bytes, "\xC8\xAB\xB1\xE6\xB5\xBF???");
  EXPECT_EQ(name.missing, "😀\u0E01");
  EXPECT_EQ(fromCp949(name.bytes.substr(0, 6)), "홍길동");
}

TEST(AtNumbers, FromAndToTheModem) {
  EXPECT_EQ(decodeNumber("002B00380032003100300031", Charset::Ucs2), "+82101");
  EXPECT_EQ(decodeNumber("01012345", Charset::Ucs2), "01012345");
  const std::tuple<std::string, int, std::string> fromModem[] = {
      {"821012345678", kTypeInternational, "01012345678"},
      {"+82 10-1234-5678", kTypeUnknown, "01012345678"},
      {"0212345678", kTypeUnknown, "0212345678"},
      {"15550100", kTypeInternational, "+15550100"},
  };
  for (const auto &[digits, type, expected] : fromModem) {
    EXPECT_EQ(numberFromModem(digits, type), expected) << digits;
  }
  const std::tuple<std::string, NumberType, std::string> toModem[] = {
      {"010-1234-5678", NumberType::Unknown, "01012345678"},
      {" +82 10 1234 5678", NumberType::International, "821012345678"},
      {"KT 114", NumberType::Alphanumeric, "KT 114"},
  };
  for (const auto &[written, type, value] : toModem) {
    const SmsAddress address = addressForModem(written);
    EXPECT_EQ(address.type, type) << written;
    EXPECT_EQ(address.value, value) << written;
  }
}

} // namespace
} // namespace pdx::at
