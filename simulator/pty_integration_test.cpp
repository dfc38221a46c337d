// The real link (termios port, Qt loop, transfers) against the simulator
// over a pseudo-terminal. The phone holds a small phonebook so that the
// 100 ms pause before each frame keeps the suite quick.
#include "link/session/phone_session.h"
#include "link/wire/download_wire.h"
#include "link/wire/phonebook_wire.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/serial/comm_port.h"
#include "simulator/pty_phone.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <thread>

namespace pdx::simulator {
namespace {

using link::Outcome;

PhoneState smallState() {
  PhoneState state = sampleState();
  for (size_t i = 4; i < PhoneState::kSlots; ++i) {
    if (i != 150) {
      state.phonebook[i].clear();
    }
  }
  return state;
}

class PtyIntegration : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
  }
  void SetUp() override {
    std::string error;
    phone = PtyPhone::create(model, error);
    ASSERT_NE(phone, nullptr) << error;
    server = std::thread([this] { phone->run(stop); });
    port = std::make_unique<platform::CCommPort>(loop, platform::PortTable{phone->devicePath()});
    session = std::make_unique<link::PhoneSession>(*port, loop);
  }
  void TearDown() override {
    session.reset();
    port.reset();
    stop = true;
    server.join();
  }
  void setFaults(const Faults &faults) { phone->setFaults(faults); }

  PhoneModel model{smallState()};
  std::unique_ptr<PtyPhone> phone;
  std::atomic<bool> stop{false};
  std::thread server;
  platform::QtEventLoop loop;
  std::unique_ptr<platform::CCommPort> port;
  std::unique_ptr<link::PhoneSession> session;
};

TEST_F(PtyIntegration, ConnectsAndReadsEveryKindOfData) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  EXPECT_EQ(session->link().phoneInfo(), "011-234-5678");
  auto &transfers = session->transfers();
  ASSERT_EQ(transfers.readPhonebook(), Outcome::Ok);
  const auto &store = session->store();
  EXPECT_FALSE(store.phonePhonebook[150].isEmpty());
  EXPECT_TRUE(store.phonePhonebook[149].isEmpty());
  EXPECT_EQ(store.phonePhonebook[2].name.view(),
            link::wire::decodeSlotRecord(model.state().phonebook[2]).name.view());
  EXPECT_EQ(store.phoneGroups.size(), 5u);
  EXPECT_EQ(store.phoneSpeedDials[0].slot, 0);
  EXPECT_TRUE(store.phoneSpeedDials[1].isUnused()); // slot 4 is empty here
  ASSERT_EQ(transfers.readSms(), Outcome::Ok);
  EXPECT_EQ(store.receivedSms.size(), 3u);
  EXPECT_EQ(store.savedSms.size(), 2u);
  ASSERT_EQ(transfers.readAlarms(), Outcome::Ok);
  EXPECT_EQ(store.alarms.size(), 3u);
}

TEST_F(PtyIntegration, WrongPasswordIsRefused) {
  EXPECT_EQ(session->connect("1234", 0), Outcome::WrongPassword);
  EXPECT_EQ(session->transfers().readAlarms(), Outcome::WrongPassword);
}

TEST_F(PtyIntegration, WritesRoundTrip) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  auto &transfers = session->transfers();
  core::PhoneBookEntry entry;
  entry.name.set(text::fromUtf8("홍길동"));
  entry.numbers[2].set("011-555-6666");
  ASSERT_EQ(transfers.writePhonebookSlot(9, entry), Outcome::Ok);
  ASSERT_EQ(transfers.readPhonebook(), Outcome::Ok);
  EXPECT_EQ(session->store().phonePhonebook[9].name, entry.name);
  EXPECT_EQ(session->store().phonePhonebook[9].numbers, entry.numbers);
  EXPECT_EQ(transfers.writeSpeedDial(session->store().phoneSpeedDials, 20, core::SpeedDialKey{9, 2}),
            Outcome::Ok);
  EXPECT_EQ(transfers.downloadMelody(link::wire::Bytes{0, 'T', 0, 0, 0, 0,   0, 0, 0, 0,  0, 0, 0,
                                                       0, 0,   0, 0, 0, 100, 0, 3, 7, 19, 2, 0}),
            Outcome::Ok);
  EXPECT_EQ(model.state().melodies[0].size(), 25u);
  ASSERT_EQ(transfers.readPhonebook(), Outcome::Ok);
  EXPECT_EQ(session->store().phoneSpeedDials[20].slot, 9);
}

TEST_F(PtyIntegration, EveryOtherWriteIsStoredByThePhone) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  auto &transfers = session->transfers();
  core::PhoneGroup group;
  group.name.set("NEW");
  group.melody = 1;
  EXPECT_EQ(transfers.writeGroups(core::GroupTable(), 7, group), Outcome::Ok);
  EXPECT_EQ(model.state().groups[7 * 17], 'N');
  core::AlarmEntry alarm;
  alarm.month = 8;
  alarm.day = 15;
  alarm.title.set("A");
  EXPECT_EQ(transfers.writeAlarm(4, alarm), Outcome::Ok);
  EXPECT_EQ(model.state().alarms[4 * 22], 'A');
  core::PhoneOptions options;
  options.text.set("OPT");
  EXPECT_EQ(transfers.writeOptions(options), Outcome::Ok);
  EXPECT_EQ(model.state().options[40], 'O');
  core::SmsMessage message;
  message.slot = 0x83;
  message.text.set("saved");
  EXPECT_EQ(transfers.writeSms(message, link::wire::SmsOperation::Write), Outcome::Ok);
  EXPECT_FALSE(model.state().saved[3].empty());
  EXPECT_EQ(transfers.sendSms(message, "0111", "0222"), Outcome::Ok);
  EXPECT_EQ(
      transfers.downloadAnimation(link::wire::encodeAnimationPayload(1, "Ani", 2, link::wire::Bytes(612, 1))),
      Outcome::Ok);
  EXPECT_EQ(model.state().animations[1][18], 3);
}

TEST_F(PtyIntegration, SilentPhoneIsNotFound) {
  setFaults(Faults{.silent = true});
  EXPECT_EQ(session->connect("0000", 0), Outcome::NotFound);
  EXPECT_FALSE(session->link().isOpen());
}

TEST_F(PtyIntegration, DroppedAndCorruptedAnswersFailTheRequest) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  setFaults(Faults{.dropRate = 1.0});
  EXPECT_EQ(session->transfers().readAlarms(), Outcome::NoAnswer);
  setFaults(Faults{.corruptRate = 1.0});
  EXPECT_EQ(session->transfers().writeOptions(core::PhoneOptions()), Outcome::NoAnswer);
  setFaults(Faults{});
  EXPECT_EQ(session->transfers().readAlarms(), Outcome::Ok);
}

TEST_F(PtyIntegration, RefusedRequestsFailAsRefused) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  model.setRefusedCode(link::PC_MBK_SET_REQ);
  EXPECT_EQ(session->transfers().writePhonebookSlot(1, core::PhoneBookEntry()), Outcome::Refused);
  model.setRefusedCode(link::PC_SMS_INDEX_REQ);
  EXPECT_EQ(session->transfers().readSms(), Outcome::Refused);
}

} // namespace
} // namespace pdx::simulator
