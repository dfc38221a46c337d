// The AT modem's state file and the changes that make it be saved.
#include "core/base/test_support.h"
#include "link/at/sms_pdu.h"
#include "simulator/at/at_command.h"
#include "simulator/at/at_state_json.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pdx::simulator::at {
namespace {

using nlohmann::json;

TEST(AtStateTest, KeptDataSurvivesASaveAndALoadExactly) {
  AtModemState changed = sampleModemState(AtModemState::kMessagePlaces);
  changed.pinLock = false;
  changed.pinAttempts = 1;
  changed.pukAttempts = 0;
  changed.numbersInCharset = true;
  changed.phone.entries[100] = AtEntry{"+82*31#", "홍길동"};
  changed.messages[4].reset();
  const TempDir dir;
  for (const AtModemState &state : {sampleModemState(), changed}) {
    std::string error;
    ASSERT_TRUE(saveModemState(dir / "modem.json", state, error)) << error;
    AtModemState loaded;
    ASSERT_EQ(loadModemState(dir / "modem.json", loaded, error), StateLoad::Loaded) << error;
    EXPECT_EQ(modemStateToJson(loaded), modemStateToJson(state));
    EXPECT_EQ(loaded.sim.entries.at(250).name, state.sim.entries.at(250).name);
    EXPECT_EQ(loaded.pinRequired, state.pinLock) << "a loaded SIM starts as after a power-on";
  }
}

TEST(AtStateTest, ADamagedStateIsRefusedWithItsField) {
  const json sample = modemStateToJson(sampleModemState());
  const struct {
    const char *pointer; // JSON pointer of the changed value
    json value;
    const char *field; // what the message names
  } cases[] = {
      {"/pin", "12a4", "pin"},
      {"/puk", "123", "puk"},
      {"/pin_lock", "yes", "pin_lock"},
      {"/pin_attempts", 4, "pin_attempts"},
      {"/puk_attempts", -1, "puk_attempts"},
      {"/pin_attempts", 1e300, "pin_attempts"},
      {"/pin_attempts", 18446744073709551615u, "pin_attempts"},
      {"/maker", "", "maker"},
      {"/imei", "35\r\nOK", "imei"},
      {"/sim", json::array(), "sim"},
      {"/sim/size", 0, "sim.size"},
      {"/sim/size", 100000, "sim.size"},
      {"/phone/name_length", 81, "phone.name_length"},
      {"/sim/entries", "none", "sim.entries"},
      {"/sim/entries/0/index", 251, "sim.entries[0].index"},
      {"/sim/entries/1/index", 1, "sim.entries[1].index"},
      {"/sim/entries/0/index", nullptr, "sim.entries[0].index"},
      {"/sim/entries/0/number", "010-1234", "sim.entries[0].entry"},
      {"/sim/entries/0/number", std::string(21, '1'), "sim.entries[0].entry"},
      {"/sim/entries/0/name", "가나다라마바사아자차카타파하가", "sim.entries[0].entry"},
      {"/messages/30", nullptr, "messages"},
      {"/messages/0", 7, "messages[0]"},
      {"/messages/0", {{"status", 1}}, "messages[0].pdu"},
      {"/messages/0/status", 4, "messages[0].status"},
      {"/messages/0/pdu", "0", "messages[0].pdu"},
      {"/messages/0/pdu", "ZZ", "messages[0].pdu"},
      {"/messages/0/pdu", "07", "messages[0].pdu"},
      {"/messages/0/pdu", std::string(pdx::at::kMaxPduHex + 2, 'A'), "messages[0].pdu"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.pointer);
    json document = sample;
    document[json::json_pointer(c.pointer)] = c.value;
    AtModemState state;
    std::string error;
    EXPECT_FALSE(modemStateFromJson(document, state, error));
    EXPECT_NE(error.find(std::string(": ") + c.field + ": "), std::string::npos) << error;
  }
}

TEST(AtStateTest, OnlyARegularFileOfJsonLoads) {
  const TempDir dir;
  std::filesystem::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  writeWholeFile(dir / "text.json", "SM 1234");
  writeWholeFile(dir / "array.json", "[]");
  const std::string pdu = sampleModemState().messages[0]->pdu;
  std::string lower = pdu;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  writeWholeFile(dir / "few.json", json{{"messages", {nullptr, {{"status", 1}, {"pdu", lower}}}}}.dump());
  const std::pair<const char *, StateLoad> cases[] = {
      {"missing.json", StateLoad::Unreadable}, {"folder", StateLoad::Unreadable},
      {"fifo", StateLoad::Unreadable},         {"text.json", StateLoad::Invalid},
      {"array.json", StateLoad::Invalid},      {"few.json", StateLoad::Loaded},
  };
  for (const auto &[name, result] : cases) {
    AtModemState state;
    std::string error;
    EXPECT_EQ(loadModemState(dir / name, state, error), result) << name << ": " << error;
    if (result == StateLoad::Loaded) {
      ASSERT_EQ(state.messages.size(), 30u) << "padded to every place";
      EXPECT_EQ(state.messages[1]->pdu, pdu) << "kept in upper case";
    }
  }
}

TEST(AtStateTest, EveryChangeOfTheKeptDataIsToldOnce) {
  AtModem modem(sampleModemState());
  int told = 0;
  modem.setChanged([&] { ++told; });
  const std::string write = "AT+CMGW=" + std::to_string(tpduLength(modem.state().messages[0]->pdu)) + ",1\r" +
                            modem.state().messages[0]->pdu + "\x1A";
  const struct {
    std::string bytes;
    const char *answer;
    bool changed;
  } steps[] = {
      {"ATE0\r", "OK", false},
      {"AT+CMEE=1\r", "OK", false},
      {"AT+CPIN=\"0000\"\r", "+CME ERROR: 16", true},
      {"AT+CPIN=\"0000\"\r", "+CME ERROR: 16", true},
      {"AT+CPIN=\"0000\"\r", "+CME ERROR: 16", true}, // the SIM wants its PUK now
      {"AT+CPIN=\"12345678\",\"12ab\"\r", "+CME ERROR: 16", false},
      {"AT+CPIN=\"12345678\",\"4321\"\r", "OK", true},
      {"AT+CPBR=1\r", "OK", false},
      {"AT+CPBW=1\r", "OK", true},
      {"AT+CPBW=1\r", "OK", false},
      {"AT+CSCS=\"UCS2\"\r", "OK", false},
      {"AT+CPBW=2,\"0101\",129,\"\xFF\"\r", "+CME ERROR: 25", false},
      {"AT+CPBW=2,\"0101\",129,\"0041\"\r", "OK", true},
      {"AT+CMGR=2\r", "OK", true}, // unread until now
      {"AT+CMGR=2\r", "OK", false},
      {"AT+CMGL=4\r", "OK", true},
      {"AT+CMGL=4\r", "OK", false},
      {"AT+CMGD=1\r", "OK", true},
      {"AT+CMGD=1\r", "OK", false},
      {write, "+CMGW: 1", true},
  };
  for (const auto &step : steps) {
    SCOPED_TRACE(step.bytes);
    const int before = told;
    EXPECT_NE(modem.push(step.bytes).find(step.answer), std::string::npos);
    EXPECT_EQ(told - before, step.changed ? 1 : 0);
  }
  EXPECT_FALSE(modem.receive(modem.state().messages[0]->pdu).empty());
  EXPECT_EQ(told, 11);
  EXPECT_EQ(modem.state().pin, "4321");
  EXPECT_EQ(modem.state().pukAttempts, 10) << "a new PIN the SIM cannot keep cost no attempt";
}

} // namespace
} // namespace pdx::simulator::at
