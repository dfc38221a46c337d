// The AT phone client (termios port, Qt loop) against the AT modem
// simulator over a pseudo-terminal.
#include "link/at/at_contacts.h"
#include "link/at/at_phone.h"
#include "link/at/phone_number.h"
#include "platform/serial/comm_port.h"
#include "simulator/at/at_pty_modem.h"
#include "simulator/testing/served_line_test.h"

#include <gtest/gtest.h>
#include <thread>

namespace pdx::simulator::at {
namespace {

using pdx::at::AtContact;
using pdx::at::AtPhone;
using pdx::at::AtResult;
using pdx::at::AtStatus;

class AtModemTest : public testing::ServedLineTest {
protected:
  void start(const AtFaults &faults = {}) {
    std::string error;
    pty = AtPtyModem::create(modem, error);
    ASSERT_NE(pty, nullptr) << error;
    pty->setFaults(faults);
    serve([this](const std::atomic<bool> &stop) { pty->run(stop); });
    port = std::make_unique<platform::CCommPort>(loop, platform::PortTable{pty->devicePath()});
    ASSERT_TRUE(port->open(0));
    phone = std::make_unique<AtPhone>(*port, loop);
  }
  // Probed, unlocked with the right PIN, UCS2 chosen.
  void startReady(const AtFaults &faults = {}) {
    start(faults);
    ASSERT_TRUE(phone->probe().ok());
    ASSERT_TRUE(phone->unlock([](int) { return std::optional<std::string>("1234"); }).ok());
    ASSERT_TRUE(phone->chooseCharset().ok());
  }
  void TearDown() override {
    phone.reset();
    port.reset();
    stopServing();
  }

  AtModem modem{sampleModemState()};
  std::unique_ptr<AtPtyModem> pty;
  std::unique_ptr<platform::CCommPort> port;
  std::unique_ptr<AtPhone> phone;
};

TEST_F(AtModemTest, LogsOnWithThePinAndReadsTheWholeSimBook) {
  AtModemState state = sampleModemState();
  state.numbersInCharset = true; // read as UCS2 hex here, as digits elsewhere
  modem = AtModem(state);
  start(AtFaults{.noise = true});
  ASSERT_TRUE(phone->probe().ok());
  pdx::at::AtIdentity identity;
  ASSERT_TRUE(phone->identify(identity).ok());
  EXPECT_EQ(identity.model, "QZ-3000");
  EXPECT_EQ(identity.imei, "354123456789012");
  std::vector<int> shown;
  std::vector<std::string> pins = {"1234", "0000"}; // taken from the back
  EXPECT_TRUE(phone
                  ->unlock([&](int left) {
                    shown.push_back(left);
                    const std::string pin = pins.back();
                    pins.pop_back();
                    return std::optional<std::string>(pin);
                  })
                  .ok());
  EXPECT_EQ(shown, (std::vector<int>{3, 2}));
  ASSERT_TRUE(phone->chooseCharset().ok());
  EXPECT_EQ(phone->charset(), pdx::at::Charset::Ucs2);

  pdx::at::PhonebookMemory sim;
  ASSERT_TRUE(phone->selectPhonebook("SM", sim).ok());
  EXPECT_EQ(sim.use.total, 250);
  EXPECT_EQ(sim.range.nameLength, 14);
  std::vector<AtContact> entries;
  ASSERT_TRUE(phone->readPhonebook(entries).ok());
  ASSERT_EQ(entries.size(), 250u);
  EXPECT_EQ(entries[0].name, "이민준 서울본사영업부과장1");
  EXPECT_EQ(entries[0].number, "01010007919"); // +82 10 ... as dialled at home
  const auto joined = pdx::at::entriesFromPhone(entries);
  EXPECT_EQ(joined.entries.size(), 245u); // five of the ten shared names take a free field
  EXPECT_FALSE(joined.notes.empty());     // names of 14 characters do not fit 16 bytes
}

TEST_F(AtModemTest, WritesAndDeletesPhonebookEntries) {
  startReady();
  pdx::at::PhonebookMemory memory;
  ASSERT_TRUE(phone->selectPhonebook("ME", memory).ok());
  ASSERT_TRUE(phone->writeEntry({0, "+82 10 1234 5678", "김철수 🙂"}).ok());
  ASSERT_TRUE(phone->writeEntry({10, "02-555-1234", "김철수 🙂"}).ok());
  ASSERT_TRUE(phone->deleteEntry(2).ok());
  std::vector<AtContact> entries;
  ASSERT_TRUE(phone->readPhonebook(entries).ok());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[2].index, 4); // the first free place
  EXPECT_EQ(entries[2].number, "01012345678");
  EXPECT_EQ(entries[3].name, "김철수 🙂");
  const auto joined = pdx::at::entriesFromPhone({entries[2], entries[3]});
  ASSERT_EQ(joined.entries.size(), 1u);
  EXPECT_EQ(joined.entries[0].numbers[0].view(), "025551234");
  EXPECT_EQ(joined.entries[0].numbers[2].view(), "01012345678");
  ASSERT_EQ(joined.notes.size(), 1u); // the emoji
}

TEST_F(AtModemTest, WithoutUcs2ANameLosesWhatTheCharacterSetLacksAndSaysSo) {
  start();
  ASSERT_TRUE(phone->probe().ok());
  ASSERT_TRUE(phone->enterPin("1234").ok());
  pdx::at::PhonebookMemory memory;
  ASSERT_TRUE(phone->selectPhonebook("ME", memory).ok());
  size_t unmapped = 0;
  ASSERT_TRUE(phone->writeEntry({50, "0212345678", "김A"}, &unmapped).ok());
  EXPECT_EQ(unmapped, 1u);
  std::vector<AtContact> entries;
  ASSERT_TRUE(phone->readPhonebook(entries).ok());
  EXPECT_EQ(entries.back().name, "?A");
}

TEST_F(AtModemTest, ListsSendsStoresAndDeletesMessages) {
  startReady();
  std::vector<std::pair<std::string, int>> notices;
  phone->setOnNewMessage(
      [&](const std::string &storage, int index) { notices.emplace_back(storage, index); });
  pdx::at::StorageUse use;
  ASSERT_TRUE(phone->selectMessageStorage("SM", use).ok());
  EXPECT_EQ(use.used, 12);
  EXPECT_EQ(use.total, 30);
  std::vector<pdx::at::StoredSms> stored;
  ASSERT_TRUE(phone->listMessages(stored).ok());
  ASSERT_EQ(stored.size(), 12u);
  const auto messages = pdx::at::joinParts(stored);
  ASSERT_EQ(messages.size(), 11u); // one concatenated message of two parts
  EXPECT_EQ(messages[7].indexes, (std::vector<int>{8, 9}));
  EXPECT_TRUE(messages[7].pdu.text.starts_with("안녕하세요."));

  std::vector<int> references;
  ASSERT_TRUE(phone->sendText("010-2222-3333", std::string(200, 'x'), references).ok());
  EXPECT_EQ(references, (std::vector<int>{1, 2}));
  pdx::at::SmsPdu draft;
  draft.address = pdx::at::addressForModem("01022223333");
  draft.text = "보관함에 둡니다";
  draft.coding = pdx::at::SmsCoding::Ucs2;
  int index = 0;
  ASSERT_TRUE(phone->storeMessage(pdx::at::encodeSubmit(draft), index).ok());
  EXPECT_EQ(index, 13);
  pdx::at::StoredSms read;
  ASSERT_TRUE(phone->readMessage(13, read).ok());
  EXPECT_EQ(read.pdu.text, "보관함에 둡니다");
  ASSERT_TRUE(phone->deleteMessage(13).ok());
  EXPECT_EQ(phone->readMessage(13, read).code, 321);

  pty->setFaults(AtFaults{.push = {AtPush::NewMessage}, .pushEvery = std::chrono::milliseconds(50)});
  (void)loop.waitFor([&] { return !notices.empty(); }, Millis(2000));
  ASSERT_FALSE(notices.empty());
  EXPECT_EQ(notices[0], (std::pair<std::string, int>{"SM", 13}));
  stopServing();
  EXPECT_EQ(modem.state().sent.size(), 2u);
}

AtResult readBook(AtPhone &phone) {
  pdx::at::PhonebookMemory memory;
  std::vector<AtContact> entries;
  const AtResult selected = phone.selectPhonebook("SM", memory);
  return selected.ok() ? phone.readPhonebook(entries) : selected;
}
AtResult writeSim(AtPhone &phone, AtContact contact) {
  pdx::at::PhonebookMemory memory;
  const AtResult selected = phone.selectPhonebook("SM", memory);
  return selected.ok() ? phone.writeEntry(contact) : selected;
}
AtResult listSms(AtPhone &phone) {
  pdx::at::StorageUse use;
  std::vector<pdx::at::StoredSms> stored;
  const AtResult selected = phone.selectMessageStorage("SM", use);
  return selected.ok() ? phone.listMessages(stored) : selected;
}

void expectResult(const AtResult &result, AtStatus status, int code) {
  EXPECT_EQ(result.status, status);
  EXPECT_EQ(result.code, code);
  EXPECT_FALSE(pdx::at::describe(result).empty());
}

// Commands the modem refuses as told (`refused` names the command) or by
// its own limits.
TEST_F(AtModemTest, RefusedCommandsEndWithTheirCode) {
  startReady();
  const struct {
    const char *refused;
    int code;
    AtResult (*action)(AtPhone &);
  } cases[] = {
      {"+CPBR", 3, readBook},
      {"+CMGL", 500, listSms},
      {"+CMGS", 330,
       [](AtPhone &p) {
         std::vector<int> references;
         return p.sendText("0101234567", "hi", references);
       }},
      {"+CMGD", 321, [](AtPhone &p) { return p.deleteMessage(1); }},
      {"+CPBW", 20, [](AtPhone &p) { return p.deleteEntry(1); }},
      {nullptr, 24,
       [](AtPhone &p) {
         return writeSim(p, {1, "1", std::string(15, 'a')});
       }},
      {nullptr, 26,
       [](AtPhone &p) {
         return writeSim(p, {1, std::string(21, '1'), "a"});
       }},
      {nullptr, 21,
       [](AtPhone &p) {
         return writeSim(p, {251, "1", "a"});
       }},
      {nullptr, 321,
       [](AtPhone &p) {
         pdx::at::StoredSms read;
         return p.readMessage(31, read);
       }},
      {nullptr, -1, [](AtPhone &p) { return p.command("AT+XYZ"); }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.code);
    pty->setFaults(c.refused ? AtFaults{.refusal = AtRefusal{c.refused, c.code}} : AtFaults{});
    expectResult(c.action(*phone), AtStatus::Refused, c.code);
  }
}

TEST_F(AtModemTest, BeforeThePinOnlyThePinIsTakenAndThreeWrongOnesLockTheSim) {
  start();
  ASSERT_TRUE(phone->probe().ok());
  expectResult(readBook(*phone), AtStatus::PinNeeded, 11);
  expectResult(listSms(*phone), AtStatus::PinNeeded, 311);
  expectResult(phone->enterPin("9999"), AtStatus::WrongPin, 16);
  expectResult(phone->unlock([](int) { return std::optional<std::string>("9999"); }), AtStatus::PukLocked,
               -1);
}

TEST_F(AtModemTest, ASilentModemIsNoAnswer) {
  startReady();
  pty->setFaults(AtFaults{.silent = true});
  expectResult(phone->command("AT", nullptr, Millis(300)), AtStatus::NoAnswer, -1);
}

TEST_F(AtModemTest, ALineThatGoesDeadIsAHangUp) {
  startReady();
  pty->setFaults(AtFaults{.hangUpAfter = 2});
  expectResult(readBook(*phone), AtStatus::HungUp, -1);
}

} // namespace
} // namespace pdx::simulator::at
