#include "core/base/virtual_event_loop.h"
#include "link/connection/phone_link.h"
#include "link/serial/fake_serial_device.h"

#include <gtest/gtest.h>
#include <map>

namespace pdx::link {
namespace {

using Bytes = std::vector<uint8_t>;

// The phone's side in the tests: parses what the link writes and answers
// through `reply`, on the ports listed in `answeringPorts`.
struct ScriptedPhone {
  ScriptedPhone(VirtualEventLoop &loop, FakeSerialDevice &device) : loop(loop), device(device) {
    device.setWriteHook([this](uint8_t byte) {
      parser.push(Bytes{byte});
      while (auto frame = parser.next()) {
        received.push_back({this->device.port(), this->loop.now(), *frame});
        if (answeringPorts.count(this->device.port()) != 0 && reply) {
          reply(*frame);
        }
      }
    });
  }
  void answer(uint8_t code, const Bytes &data) { device.deliver(encodeFrame(code, data)); }
  std::vector<int> portsOf(uint8_t code) const {
    std::vector<int> ports;
    for (const auto &r : received) {
      if (r.frame.code == code) {
        ports.push_back(r.port);
      }
    }
    return ports;
  }

  struct Received {
    int port;
    Millis time;
    Frame frame;
  };
  VirtualEventLoop &loop;
  FakeSerialDevice &device;
  FrameParser parser{codesFromProgram()};
  std::set<int> answeringPorts;
  std::function<void(const Frame &)> reply;
  std::vector<Received> received;
};

// A phone with password 1230 that accepts every request.
void obligingPhone(ScriptedPhone &phone) {
  phone.reply = [&phone](const Frame &f) {
    if (f.code == PC_PING2) {
      phone.answer(PC_PONG, Bytes{'0', '1', '1'});
    } else if (f.code == PC_PW_SET_REQ) {
      phone.answer(f.data == Bytes{0x12, 0x3A} ? PC_OK : PC_NG, Bytes{PC_PW_SET_REQ});
    } else {
      phone.answer(PC_OK, Bytes{f.code});
    }
  };
}

struct LinkFixture : ::testing::Test {
  LinkFixture() {
    link.setNotificationListener([this](int code) { notes.push_back(code); });
  }
  // The obliging phone on port 0, the only port there is.
  void phoneOnPortZero() {
    device.setOpenablePorts({0});
    obligingPhone(phone);
    phone.answeringPorts = {0};
  }
  void connect() {
    phoneOnPortZero();
    link.connect("1230", 0);
    ASSERT_EQ(link.waitForConnection(), kConnected);
  }
  VirtualEventLoop loop;
  FakeSerialDevice device{loop};
  ScriptedPhone phone{loop, device};
  CPhoneLink link{device, loop};
  std::vector<int> notes;
};

TEST_F(LinkFixture, SearchFromPreferredTwoVisitsZeroOneThreeThenReportsNotFound) {
  device.setOpenablePorts({0, 1, 2, 3});
  link.connect("1230", 2);
  EXPECT_EQ(link.waitForConnection(), kPhoneNotFound);
  EXPECT_EQ(phone.portsOf(PC_PING2), (std::vector<int>{2, 0, 1, 3}));
  std::vector<Millis> times;
  for (const auto &r : phone.received) {
    times.push_back(r.time);
  }
  // Each ping: CR LF, 100 ms, then the frame after its own 100 ms pause.
  EXPECT_EQ(times, (std::vector<Millis>{Millis(200), Millis(2400), Millis(4600), Millis(6800)}));
  EXPECT_EQ(loop.now(), Millis(8800));
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(link.currentPort(), -1);
  EXPECT_EQ(link.state(), CPhoneLink::Idle);
  ASSERT_GE(notes.size(), 2u);
  EXPECT_EQ((std::vector<int>(notes.end() - 2, notes.end())), (std::vector<int>{kBusyEnd, kPhoneNotFound}));
}

// The preferred port 2 first, then the others from port 0 up, where the
// phone answers; the connection keeps that port and the phone's number.
TEST(PortSearch, ThePreferredPortFirstThenFromZeroUp) {
  const struct {
    std::set<int> openable;
    std::vector<int> pinged;
  } cases[] = {{{0, 1, 2, 3}, {2, 0}}, {{0, 3}, {0}}};
  for (const auto &c : cases) {
    VirtualEventLoop loop;
    FakeSerialDevice device{loop};
    ScriptedPhone phone{loop, device};
    CPhoneLink link{device, loop};
    device.setOpenablePorts(c.openable);
    obligingPhone(phone);
    phone.answeringPorts = {0};
    link.connect("1230", 2);
    EXPECT_EQ(link.waitForConnection(), kConnected);
    EXPECT_EQ(phone.portsOf(PC_PING2), c.pinged);
    EXPECT_EQ(device.openAttempts(), (std::vector<int>{2, 0}));
    EXPECT_EQ(phone.portsOf(PC_PW_SET_REQ), (std::vector<int>{0}));
    EXPECT_EQ(link.currentPort(), 0);
    EXPECT_EQ(link.state(), CPhoneLink::Connected);
    EXPECT_EQ(link.phoneInfo(), "011");
    EXPECT_EQ(link.status().state(), LinkStatus::Hidden);
    EXPECT_EQ(link.openFailure(2), c.openable.contains(2) ? OpenFailure::None : OpenFailure::NoSuchDevice);
  }
}

TEST_F(LinkFixture, NoPortAtAllEndsWithNotFoundAfterTheSearchInterval) {
  link.connect("1230", 0);
  EXPECT_EQ(link.waitForConnection(), kPhoneNotFound);
  EXPECT_EQ(loop.now(), Millis(2000));
  EXPECT_TRUE(phone.received.empty());
  EXPECT_FALSE(link.busy());
}

TEST_F(LinkFixture, PongDuringSearchSendsPasswordAtOnce) {
  device.setOpenablePorts({1});
  obligingPhone(phone);
  phone.answeringPorts = {1};
  link.connect("1230", 1);
  EXPECT_EQ(link.waitForConnection(), kConnected);
  ASSERT_EQ(phone.received.size(), 2u);
  // The PONG arrives at once; the password follows after CR LF and the pauses.
  EXPECT_EQ(phone.received[1].time - phone.received[0].time, Millis(200));
  EXPECT_EQ(device.writeTimes().size(), 2u + 6 + 2 + 8);
  EXPECT_EQ(notes, (std::vector<int>{kBusyBegin, kBusyBegin, kBusyEnd, kConnected}));
}

TEST_F(LinkFixture, WrongPasswordReportsBusyEndThenWrongPasswordAndKeepsPortOpen) {
  phoneOnPortZero();
  link.connect("9999", 0);
  EXPECT_EQ(link.waitForConnection(), kWrongPassword);
  EXPECT_EQ((std::vector<int>(notes.end() - 2, notes.end())), (std::vector<int>{kBusyEnd, kWrongPassword}));
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.state(), CPhoneLink::Idle);
}

TEST_F(LinkFixture, RequestSendsPasswordThenTheRequestWithoutItAgain) {
  connect();
  phone.received.clear();
  const Bytes payload(148, 7);
  link.request(PC_MBK_SET_REQ, payload);
  EXPECT_EQ(link.waitForAnswer(PC_MBK_SET_REQ), Answer::Accepted);
  ASSERT_EQ(phone.received.size(), 2u);
  EXPECT_EQ(phone.received[0].frame, (Frame{PC_PW_SET_REQ, {0x12, 0x3A}}));
  EXPECT_EQ(phone.received[1].frame, (Frame{PC_MBK_SET_REQ, payload}));
  EXPECT_FALSE(link.busy());
}

TEST_F(LinkFixture, PasswordRefusedDuringRequestGivesWrongPasswordAndNothingIsSent) {
  device.setOpenablePorts({0});
  phone.answeringPorts = {0};
  phone.reply = [this](const Frame &f) {
    phone.answer(f.code == PC_PW_SET_REQ ? PC_NG : PC_OK, Bytes{f.code});
  };
  ASSERT_TRUE(device.open(0));
  notes.clear();
  link.request(PC_SKEY_SET_REQ, Bytes(198, 0xFF));
  EXPECT_EQ(link.waitForAnswer(PC_SKEY_SET_REQ), Answer::WrongPassword);
  EXPECT_EQ(phone.portsOf(PC_SKEY_SET_REQ), std::vector<int>{});
  // No late "no answer" from the password timer.
  loop.advance(Millis(5000));
  EXPECT_EQ(link.events().size(), 0u);
  EXPECT_EQ(notes, (std::vector<int>{kBusyBegin, kBusyEnd, kWrongPassword}));
}

TEST_F(LinkFixture, SilentPhoneGivesNoAnswerAfterOneSecond) {
  device.setOpenablePorts({0});
  ASSERT_TRUE(device.open(0));
  const Millis start = loop.now();
  link.request(PC_ALM_SET_REQ, Bytes(220, 0));
  EXPECT_EQ(link.waitForAnswer(PC_ALM_SET_REQ), Answer::NoAnswer);
  EXPECT_EQ(loop.now() - start, Millis(1200));
  EXPECT_EQ((std::vector<int>(notes.end() - 2, notes.end())), (std::vector<int>{kBusyEnd, kNoAnswer}));
}

TEST_F(LinkFixture, AnswersAfterTheWaitEndedNeitherSendNorSettleAnything) {
  device.setOpenablePorts({0});
  ASSERT_TRUE(device.open(0));
  link.request(PC_OPT_SET_REQ, Bytes(128, 1));
  EXPECT_EQ(link.waitForAnswer(PC_OPT_SET_REQ), Answer::NoAnswer);
  // The late password acceptance must not send the abandoned request, and
  // the late PC_OK must not accept the next request of that code.
  phone.answer(PC_OK, Bytes{PC_PW_SET_REQ});
  phone.answer(PC_OK, Bytes{PC_OPT_SET_REQ});
  loop.advance(Millis(200));
  EXPECT_EQ(phone.portsOf(PC_OPT_SET_REQ), std::vector<int>{});
  EXPECT_NE(link.state(), CPhoneLink::Connected);
  phone.answeringPorts = {0};
  phone.reply = [this](const Frame &f) {
    phone.answer(f.code == PC_PW_SET_REQ ? PC_OK : PC_NG, Bytes{f.code});
  };
  link.request(PC_OPT_SET_REQ, Bytes(128, 2));
  EXPECT_EQ(link.waitForAnswer(PC_OPT_SET_REQ), Answer::Refused);
}

TEST_F(LinkFixture, UnansweredPasswordOfAConnectionEndsAfterTheAnswerTime) {
  device.setOpenablePorts({0});
  phone.answeringPorts = {0};
  phone.reply = [this](const Frame &f) {
    if (f.code == PC_PING2) {
      phone.answer(PC_PONG, {});
    }
  };
  link.connect("1230", 0);
  EXPECT_EQ(link.waitForConnection(), kNoAnswer);
  EXPECT_EQ(loop.now(), Millis(200 + 200 + 1000));
  EXPECT_EQ(link.state(), CPhoneLink::Idle);
}

TEST_F(LinkFixture, EnsureOpenReopensTheCurrentPort) {
  EXPECT_FALSE(link.ensureOpen());
  connect();
  link.close();
  EXPECT_FALSE(link.isOpen());
  EXPECT_TRUE(link.ensureOpen());
  EXPECT_EQ(device.port(), 0);
}

TEST_F(LinkFixture, OnlyTheAnswersOfTheOpenExchangeAreQueued) {
  device.setOpenablePorts({0});
  ASSERT_TRUE(device.open(0));
  phone.answer(PC_PONG, Bytes(40, 'x'));
  phone.answer(PC_OK, Bytes{PC_ALM_SET_REQ});
  loop.drainPosted();
  EXPECT_EQ(link.phoneInfo(), std::string(32, 'x'));
  EXPECT_EQ(notes, (std::vector<int>{kPhoneAnswered}));
  EXPECT_EQ(link.events().size(), 0u);

  link.request(PC_ALM_SET_REQ, Bytes(220, 0));
  link.awaitAnswer(PC_SKEY_DATA_REQ);
  for (const Frame &f :
       {Frame{PC_OK, {PC_MBK_INDEX_REQ}}, Frame{PC_NG, {PC_MBK_SET_REQ}}, Frame{PC_PONG, {}},
        Frame{PC_BK_DATA_DATA, {1}}, Frame{PC_NG, {PC_ALM_SET_REQ}}, Frame{PC_OK, {PC_PW_SET_REQ}},
        Frame{PC_NG, {PC_SKEY_DATA_REQ}}, Frame{PC_OK, {PC_ALM_SET_REQ}}}) {
    phone.answer(f.code, f.data);
  }
  loop.drainPosted();
  ASSERT_EQ(link.events().size(), 2u);
  EXPECT_EQ(link.events().takeAnswer(PC_SKEY_DATA_REQ), PC_NG);
  EXPECT_EQ(link.waitForAnswer(PC_ALM_SET_REQ), Answer::Accepted);
}

TEST_F(LinkFixture, HungUpDeviceEndsTheWaitAndThePhoneIsFoundAgainWhenItReturns) {
  connect();
  link.status().set(LinkStatus::Connected);
  std::vector<bool> presence;
  link.setPresenceListener([&presence](bool present) { presence.push_back(present); });
  phone.answeringPorts.clear();
  link.request(PC_OPT_SET_REQ, Bytes(128, 0));
  loop.post([this] { device.hangUp(); });
  const Millis start = loop.now();
  EXPECT_EQ(link.waitForAnswer(PC_OPT_SET_REQ), Answer::NoAnswer);
  link.busyEnd(); // as a write ends
  EXPECT_LT(loop.now() - start, Millis(1000));
  EXPECT_FALSE(link.isOpen());
  EXPECT_TRUE(link.deviceLost());
  EXPECT_EQ(link.status().state(), LinkStatus::NotConnected);
  EXPECT_EQ(presence, std::vector<bool>{false});
  EXPECT_FALSE(link.ensureOpen());

  // The search timer keeps trying the port; the phone answers once it is back.
  const size_t tried = device.openAttempts().size();
  loop.advance(Millis(4100));
  EXPECT_EQ(device.openAttempts().size() - tried, 2u);
  device.setOpenablePorts({0});
  phone.answeringPorts = {0};
  loop.advance(Millis(2500));
  EXPECT_EQ(link.state(), CPhoneLink::Connected);
  EXPECT_FALSE(link.deviceLost());
  EXPECT_EQ(link.status().state(), LinkStatus::Connected);
  EXPECT_EQ(link.events().size(), 0u);
  EXPECT_EQ(presence, (std::vector<bool>{false, true}));

  // Back before the search found it: a request's accepted password shows
  // the phone connected again and ends the search.
  device.hangUp();
  loop.drainPosted();
  device.setOpenablePorts({0});
  ASSERT_TRUE(link.ensureOpen());
  link.request(PC_OPT_SET_REQ, Bytes(128, 0));
  EXPECT_EQ(link.waitForAnswer(PC_OPT_SET_REQ), Answer::Accepted);
  link.busyEnd();
  EXPECT_EQ(link.status().state(), LinkStatus::Connected);
  EXPECT_EQ(presence, (std::vector<bool>{false, true, false, true}));
  const size_t pings = phone.portsOf(PC_PING2).size();
  loop.advance(Millis(5000));
  EXPECT_EQ(phone.portsOf(PC_PING2).size(), pings);
}

TEST_F(LinkFixture, ReadsEverythingQueuedInChunksWithOneReportOutstanding) {
  device.setOpenablePorts({0});
  ASSERT_TRUE(device.open(0));
  int received = 0;
  link.setTrace([&received](bool fromPhone, const Frame &) { received += fromPhone ? 1 : 0; });
  Bytes many;
  for (int i = 0; i < 150; ++i) {
    const Bytes frame = encodeFrame(PC_NG, Bytes{static_cast<uint8_t>(i % 40)});
    many.insert(many.end(), frame.begin(), frame.end());
  }
  device.deliver(many);
  device.deliver(encodeFrame(PC_NG, Bytes{1}));
  EXPECT_EQ(device.outstandingReports(), 1);
  loop.drainPosted();
  EXPECT_EQ(device.outstandingReports(), 0);
  EXPECT_EQ(received, 151);
}

TEST(EventQueue, FullQueueGivesUpItsOldestEvent) {
  EventQueue queue;
  for (size_t i = 0; i < EventQueue::kCapacity; ++i) {
    EXPECT_TRUE(queue.addFrame(PC_NG, static_cast<int>(i % 30) + 3));
  }
  EXPECT_FALSE(queue.addConnection(kNoAnswer));
  EXPECT_EQ(queue.size(), EventQueue::kCapacity);
  EXPECT_EQ(queue.at(0).subCode, 4);
  EXPECT_EQ(queue.takeFailure(), kNoAnswer);
  EXPECT_EQ(queue.takeAnswer(3), PC_NG);
}

TEST(EventQueue, TakingKeepsTheOrderOfTheRest) {
  EventQueue queue;
  (void)queue.addConnection(kPhoneAnswered);
  (void)queue.addFrame(PC_OK, PC_MBK_SET_REQ);
  (void)queue.addConnection(kWrongPassword);
  (void)queue.addConnection(kConnected);
  EXPECT_EQ(queue.findResult(), 2);
  EXPECT_EQ(queue.takeResult(), kWrongPassword);
  EXPECT_EQ(queue.takeAnswer(PC_ALM_SET_REQ), -1);
  EXPECT_EQ(queue.takeAnswer(PC_MBK_SET_REQ), PC_OK);
  EXPECT_EQ(queue.takeConnection(), kPhoneAnswered);
  EXPECT_EQ(queue.takeConnection(), kConnected);
  EXPECT_EQ(queue.takeConnection(), -1);
}

TEST(Password, PacksZeroAsTen) {
  EXPECT_EQ(packPassword("1230"), (PackedPassword{0x12, 0x3A}));
  EXPECT_EQ(packPassword("0000"), (PackedPassword{0xAA, 0xAA}));
  EXPECT_EQ(packPassword("9081"), (PackedPassword{0x9A, 0x81}));
  EXPECT_EQ(unpackPassword({0x12, 0x3A}), "1230");
  EXPECT_EQ(unpackPassword({0xA0, 0x00}), "0000");
  EXPECT_TRUE(isValidPassword("0000"));
  EXPECT_FALSE(isValidPassword("123"));
  EXPECT_FALSE(isValidPassword("12a4"));
}

TEST(LinkStatus, BusyRemembersAndRestoresTheConnectionState) {
  LinkStatus status;
  std::vector<int> shown;
  const int id = status.subscribe([&](LinkStatus::State s) { shown.push_back(s); });
  status.set(LinkStatus::NotConnected);
  status.set(LinkStatus::NotConnected);
  status.busyBegin();
  status.set(LinkStatus::BusyAlternate);
  status.busyBegin();
  status.busyEnd();
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 2}));

  // The next page's indicator subscribes before the last page's one leaves.
  std::vector<int> next;
  const int nextId = status.subscribe([&](LinkStatus::State s) { next.push_back(s); });
  status.unsubscribe(id);
  status.set(LinkStatus::Connected);
  status.unsubscribe(nextId);
  status.set(LinkStatus::NotConnected);
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 2}));
  EXPECT_EQ(next, std::vector<int>{1});
}

} // namespace
} // namespace pdx::link
