// The AT session against the AT modem simulator over a pseudo-terminal:
// what reaches the mirror and what reaches the phone's own entries.
#include "apps/pelodex/adapters/at_phones.h"
#include "core/base/cp949.h"
#include "core/data/store.h"
#include "platform/event_loop/testing/qt_loop_test.h"
#include "platform/serial/comm_port.h"
#include "simulator/at/at_pty_modem.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace pdx::pelodex {
namespace {

using simulator::at::AtFaults;
using simulator::at::AtModem;
using simulator::at::AtPtyModem;

class AtSessionTest : public platform::testing::QtLoopTest {
protected:
  void SetUp() override {
    std::string error;
    pty = AtPtyModem::create(modem, error);
    ASSERT_NE(pty, nullptr) << error;
    server = std::thread([this] { pty->run(stop); });
    port = std::make_unique<platform::CCommPort>(loop, platform::PortTable{pty->devicePath()});
    session = std::make_unique<AtSession>(*port, loop, store);
    ASSERT_TRUE(session->connect(0, [](int) { return std::optional<std::string>("1234"); }).ok());
  }
  void TearDown() override {
    session.reset();
    port.reset();
    stop = true;
    if (server.joinable()) {
      server.join();
    }
  }
  // The modem's state once its thread has stopped.
  const simulator::at::AtModemState &finalState() {
    session.reset();
    stop = true;
    server.join();
    return modem.state();
  }

  AtModem modem{simulator::at::sampleModemState()};
  std::unique_ptr<AtPtyModem> pty;
  std::atomic<bool> stop{false};
  std::thread server;
  std::unique_ptr<platform::CCommPort> port;
  core::CDataStore store;
  std::unique_ptr<AtSession> session;
};

TEST_F(AtSessionTest, JoinsTheSimBookAndWritesThroughTheIndexesKept) {
  ASSERT_TRUE(session->readPhonebook("SM").ok());
  EXPECT_TRUE(store.isRead(core::PhoneMirror::Part::Phonebook));
  EXPECT_EQ(store.phonePhonebook.size(), 200u);
  // Index 50 repeats the name of 49 with a home number beside its mobile.
  int joined = -1;
  for (int slot = 0; slot < 200; ++slot) {
    if (session->phoneIndexes(slot) == std::vector<int>{49, 50}) {
      joined = slot;
    }
  }
  ASSERT_GE(joined, 0);
  const core::PhoneBookEntry &entry = store.phonePhonebook[static_cast<size_t>(joined)];
  EXPECT_EQ(entry.phoneSlot, joined);
  EXPECT_EQ(entry.flags, 1 | 1 << 1 | 1 << 3); // used, home, mobile
  EXPECT_FALSE(session->notes().empty());      // 14-character names cut to 16 bytes

  core::PhoneBookEntry changed;
  changed.name.set(text::fromUtf8("홍길동"));
  changed.numbers[2].set("010-1111-2222");
  AtPhonebookPhone phone(*session);
  pty->setFaults(AtFaults{.refusal = simulator::at::AtRefusal{"+CPBW", 20}});
  EXPECT_FALSE(phone.writeEntry(joined, changed));
  EXPECT_EQ(phone.lastResult().code, 20);
  pty->setFaults(AtFaults{});
  ASSERT_TRUE(session->readPhonebook("SM").ok()); // the phone still holds the former entries
  EXPECT_EQ(session->phoneIndexes(joined), (std::vector<int>{49, 50}));
  ASSERT_TRUE(phone.writeEntry(joined, changed));
  const std::vector<int> written = session->phoneIndexes(joined);
  ASSERT_EQ(written.size(), 1u);
  ASSERT_TRUE(phone.writeEntry(0, core::PhoneBookEntry())); // deletes slot 0's entries
  const std::vector<int> erased = session->phoneIndexes(0);
  EXPECT_TRUE(erased.empty());

  const auto &sim = finalState().sim.entries;
  EXPECT_FALSE(sim.contains(49) || sim.contains(50) || sim.contains(1));
  EXPECT_EQ(sim.at(written[0]).name, "홍길동");
  EXPECT_EQ(sim.at(written[0]).number, "01011112222");
}

TEST_F(AtSessionTest, FilesMessagesInTheirBoxesAndWritesLongTextsInParts) {
  ASSERT_TRUE(session->readMessages("SM").ok());
  ASSERT_EQ(store.receivedSms.size(), 7u);
  ASSERT_EQ(store.savedSms.size(), 4u);
  int unread = 0;
  int sent = 0;
  for (const auto &m : store.receivedSms) {
    unread += m.readState == 0;
  }
  for (const auto &m : store.savedSms) {
    sent += m.readState == 1;
    EXPECT_TRUE(m.inSavedBox());
  }
  EXPECT_EQ(unread, 3);
  EXPECT_EQ(sent, 2);
  // The two-part message: its record holds 85 bytes, the session all of it.
  const auto longOne = std::find_if(store.receivedSms.begin(), store.receivedSms.end(), [&](const auto &m) {
    return session->messageIndexes(m.slot).size() == 2;
  });
  ASSERT_NE(longOne, store.receivedSms.end());
  EXPECT_GT(session->wholeText(longOne->slot).size(), 200u);
  EXPECT_EQ(session->textOf(*longOne), session->wholeText(longOne->slot));

  AtSmsPhone phone(*session);
  core::SmsMessage draft = *longOne;
  draft.slot = 0x80 | 20;
  draft.number.set("010-2222-3333");
  ASSERT_TRUE(phone.storeSms(draft)); // a new slot: the record's text only
  EXPECT_EQ(session->messageIndexes(draft.slot).size(), 1u);
  ASSERT_TRUE(phone.sendSms(*longOne, "", "01022223333"));
  core::SmsMessage unreadOne =
      store.receivedSms[static_cast<size_t>(std::find_if(store.receivedSms.begin(), store.receivedSms.end(),
                                                         [](auto &m) { return m.readState == 0; }) -
                                            store.receivedSms.begin())];
  unreadOne.readState = 1;
  ASSERT_TRUE(phone.storeSms(unreadOne));
  const int unreadIndex = session->messageIndexes(unreadOne.slot).front();
  ASSERT_TRUE(phone.eraseSms(*longOne));
  EXPECT_TRUE(session->messageIndexes(longOne->slot).empty());

  const auto &state = finalState();
  EXPECT_EQ(state.sent.size(), 2u); // the long text in two parts
  EXPECT_FALSE(state.messages[7] || state.messages[8]);
  EXPECT_EQ(state.messages[static_cast<size_t>(unreadIndex - 1)]->status, 1);
}

TEST_F(AtSessionTest, TellsOfNewMessagesAndOfTheDeviceGoneWhileIdle) {
  std::vector<int> indexes;
  session->setOnNewMessage([&](const std::string &, int index) { indexes.push_back(index); });
  pty->setFaults(
      AtFaults{.push = {simulator::at::AtPush::NewMessage}, .pushEvery = std::chrono::milliseconds(50)});
  (void)loop.waitFor([&] { return !indexes.empty(); }, Millis(2000));
  EXPECT_EQ(indexes.front(), 13);

  int hangUps = 0;
  session->setOnHangUp([&] { ++hangUps; });
  stop = true;
  server.join();
  pty.reset(); // the far end of the line closes
  EXPECT_TRUE(loop.waitFor([&] { return hangUps > 0; }, Millis(2000)));
  EXPECT_EQ(session->readMessages("SM").status, at::AtStatus::HungUp);
  EXPECT_EQ(hangUps, 1);
}

TEST_F(AtSessionTest, ASilentLineIsGivenUpSoon) {
  pty->setFaults(AtFaults{.silent = true});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(session->phone().probe().status, at::AtStatus::NoAnswer);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2000));
}

} // namespace
} // namespace pdx::pelodex
