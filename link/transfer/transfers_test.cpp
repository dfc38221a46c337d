#include "core/base/virtual_event_loop.h"
#include "core/data/store.h"
#include "link/serial/fake_serial_device.h"
#include "link/transfer/transfers.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/download_wire.h"
#include "link/wire/phonebook_wire.h"
#include "simulator/phone_model.h"

#include <gtest/gtest.h>

namespace pdx::link {
namespace {

using wire::Bytes;

// The simulator's phone model on the far side of an in-memory cable.
struct TransferFixture : ::testing::Test {
  TransferFixture() {
    device.setOpenablePorts({0});
    device.setWriteHook([this](uint8_t byte) {
      parser.push(Bytes{byte});
      while (auto frame = parser.next()) {
        sent.push_back(*frame);
        if (script) {
          script(*frame);
        } else if (!silent) {
          answerAsThePhone(*frame);
        }
      }
    });
    link.connect("0000", 0);
    EXPECT_EQ(link.waitForConnection(), kConnected);
    sent.clear();
  }
  std::vector<int> sentCodes() const {
    std::vector<int> codes;
    for (const auto &f : sent) {
      codes.push_back(f.code);
    }
    return codes;
  }
  void reply(uint8_t code, const Bytes &data) { device.deliver(encodeFrame(code, data)); }
  void answerAsThePhone(const Frame &f) {
    for (const Frame &answer : model.answer(f)) {
      reply(answer.code, answer.data);
    }
  }

  VirtualEventLoop loop;
  FakeSerialDevice device{loop};
  CPhoneLink link{device, loop};
  core::CDataStore store;
  PhoneTransfers transfers{link, store};
  simulator::PhoneModel model{simulator::sampleState()};
  FrameParser parser{codesFromProgram()};
  std::vector<Frame> sent;
  std::function<void(const Frame &)> script;
  bool silent = false;
};

// The link answers PC_OK, PC_NG and PC_PONG itself; every other frame the
// phone sends needs a reply of the transfers, and nothing the program sends
// has one.
TEST(ReplyTable, EveryCodeFromThePhoneHasOneHandler) {
  for (int code = 0; code < kCodeCount; ++code) {
    SCOPED_TRACE(codeName(code));
    const bool linkOwn = code == PC_OK || code == PC_NG || code == PC_PONG;
    const bool fromPhone = codesFromPhone().test(static_cast<size_t>(code));
    EXPECT_EQ(PhoneTransfers::handlesReply(code), fromPhone && !linkOwn);
  }
}

TEST_F(TransferFixture, PhonebookReadFillsEntriesGroupsAndSpeedDials) {
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Ok);
  ASSERT_EQ(store.phonePhonebook.size(), 200u);
  for (size_t i = 0; i < 200; ++i) {
    EXPECT_EQ(store.phonePhonebook[i].phoneSlot, i);
    EXPECT_FALSE(store.phonePhonebook[i].isEmpty());
  }
  EXPECT_EQ(store.phonePhonebook[5].name.view(),
            wire::decodeSlotRecord(model.state().phonebook[5]).name.view());
  EXPECT_EQ(store.phoneGroups.size(), 5u);
  EXPECT_EQ(store.phoneSpeedDials[1].slot, 4);
  EXPECT_EQ(store.phoneSpeedDials[1].kind, 2);
  EXPECT_TRUE(store.phoneSpeedDials[50].isUnused());
  EXPECT_TRUE(store.read.phonebook);
  EXPECT_FALSE(link.busy());
  // Password, index, 200 slots, then speed dials and groups.
  ASSERT_EQ(sent.size(), 204u);
  EXPECT_EQ(sent[2], (Frame{PC_MBK_DATA_REQ, {0}}));
  EXPECT_EQ(sent[201], (Frame{PC_MBK_DATA_REQ, {199}}));
  EXPECT_EQ(sent[202].code, PC_SKEY_DATA_REQ);
  EXPECT_EQ(sent[203].code, PC_MGRP_DATA_REQ);
}

TEST_F(TransferFixture, ReadsCountTheirRecordsAndStopBetweenFramesWhenCancelled) {
  std::vector<std::pair<int, int>> progress;
  transfers.setProgress([&](int done, int total) { progress.emplace_back(done, total); });
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Ok);
  ASSERT_EQ(progress.size(), 201u);
  EXPECT_EQ(progress.front(), std::make_pair(0, 200));
  EXPECT_EQ(progress.back(), std::make_pair(200, 200));

  // Cancelled as the third record arrives: nothing more is asked for, and
  // from then on records are dropped rather than stored.
  sent.clear();
  progress.clear();
  transfers.setProgress([&](int done, int) {
    if (done == 3) {
      transfers.cancel();
    }
  });
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Cancelled);
  loop.advance(Millis{2000});
  EXPECT_FALSE(link.busy());
  EXPECT_EQ(sent.back(), (Frame{PC_MBK_DATA_REQ, {2}}));
  EXPECT_FALSE(store.phonePhonebook[1].isEmpty());
  EXPECT_TRUE(store.phonePhonebook[2].isEmpty());
  transfers.setProgress(nullptr);
  EXPECT_EQ(transfers.readSms(), Outcome::Ok) << "the next read starts afresh";
}

TEST_F(TransferFixture, NextSlotIsRequestedBeforeTheRecordIsStored) {
  std::vector<bool> storedWhenAsked;
  script = [this, &storedWhenAsked](const Frame &f) {
    if (f.code == PC_MBK_DATA_REQ && f.data[0] == 1) {
      storedWhenAsked.push_back(!store.phonePhonebook[0].isEmpty());
    }
    answerAsThePhone(f);
  };
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Ok);
  EXPECT_EQ(storedWhenAsked, std::vector<bool>{false});
  EXPECT_FALSE(store.phonePhonebook[0].isEmpty());
}

TEST_F(TransferFixture, EmptyPhonebookAsksForSpeedDialsAndGroupsAtOnce) {
  script = [this](const Frame &f) {
    if (f.code == PC_PW_SET_REQ) {
      reply(PC_OK, {0});
    } else if (f.code == PC_MBK_INDEX_REQ) {
      reply(PC_MBK_INDEX_DATA, Bytes(25, 0));
    } else if (f.code == PC_SKEY_DATA_REQ) {
      reply(PC_SKEY_DATA_DATA, Bytes(198, 0xFF));
    } else if (f.code == PC_MGRP_DATA_REQ) {
      reply(PC_GRP_DATA_DATA, Bytes(340, 0));
    }
  };
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Ok);
  EXPECT_EQ(sentCodes(),
            (std::vector<int>{PC_PW_SET_REQ, PC_MBK_INDEX_REQ, PC_SKEY_DATA_REQ, PC_MGRP_DATA_REQ}));
  EXPECT_EQ(store.phonePhonebook.size(), 200u);
}

TEST_F(TransferFixture, SmsOccupancyRequestsReceivedThenSavedSlots) {
  std::vector<int> notes;
  link.setNotificationListener([&](int code) { notes.push_back(code); });
  script = [this](const Frame &f) {
    if (f.code == PC_PW_SET_REQ) {
      reply(PC_OK, {0});
    } else if (f.code == PC_SMS_INDEX_REQ) {
      reply(PC_SMS_INDEX_DATA, Bytes{0x80, 0x00, 0x00, 0xC0, 0x00});
    } else if (f.code == PC_SMS_DATA_REQ) {
      Bytes record(129, 0);
      record[0] = f.data[0];
      record[4] = 99;
      reply(PC_SMS_DATA_DATA, record);
    }
  };
  EXPECT_EQ(transfers.readSms(), Outcome::Ok);
  ASSERT_EQ(sent.size(), 5u);
  EXPECT_EQ(sent[2], (Frame{PC_SMS_DATA_REQ, {0x00}}));
  EXPECT_EQ(sent[3], (Frame{PC_SMS_DATA_REQ, {0x80}}));
  EXPECT_EQ(sent[4], (Frame{PC_SMS_DATA_REQ, {0x81}}));
  EXPECT_EQ(store.receivedSms.size(), 1u);
  EXPECT_EQ(store.savedSms.size(), 2u);
  EXPECT_EQ(store.savedSms[0].year, 1999);
  EXPECT_TRUE(store.read.savedBox);
  EXPECT_EQ(notes.back(), kBusyEnd);
}

// Messages are read against the simulator among the hostile cases below.
TEST_F(TransferFixture, AlarmAndOptionReadsAgainstTheSimulator) {
  EXPECT_EQ(transfers.readOptions(), Outcome::Ok);
  EXPECT_TRUE(store.read.options);
  EXPECT_EQ(transfers.readAlarms(), Outcome::Ok);
  EXPECT_TRUE(store.read.alarms);
  std::set<int> slots;
  for (const auto &a : store.alarms) {
    slots.insert(a.slot);
  }
  EXPECT_EQ(slots, (std::set<int>{0, 1, 2}));
}

TEST_F(TransferFixture, WritesRoundTripThroughThePhone) {
  core::PhoneBookEntry e;
  e.name.set("NEW");
  e.numbers[3].set("012-345");
  EXPECT_EQ(transfers.writePhonebookSlot(7, e), Outcome::Ok);
  EXPECT_EQ(model.state().phonebook[7], wire::encodeSlotRecord(e, 7));
  EXPECT_EQ(transfers.writePhonebookSlot(8, core::PhoneBookEntry()), Outcome::Ok);
  EXPECT_TRUE(model.state().phonebook[8].empty());

  core::SpeedDialTable keys{};
  EXPECT_EQ(transfers.writeSpeedDial(keys, 4, core::SpeedDialKey{7, 3}), Outcome::Ok);
  EXPECT_EQ(wire::getU16(model.state().speedDials, 8), 31);
  EXPECT_EQ(wire::getU16(model.state().speedDials, 0), 0xFFFF);

  core::PhoneGroup g;
  g.name.set("G");
  g.melody = 3;
  EXPECT_EQ(transfers.writeGroups(core::GroupTable(), 6, g), Outcome::Ok);
  EXPECT_EQ(model.state().groups[17 * 6], 'G');
  EXPECT_EQ(model.state().groups[17 * 6 + 15], 2);

  core::AlarmEntry a;
  a.month = 5;
  a.day = 20;
  a.hour = 6;
  a.title.set("A");
  EXPECT_EQ(transfers.writeAlarm(3, a), Outcome::Ok);
  EXPECT_TRUE(wire::alarmIsSet(std::span(model.state().alarms).subspan(66, 22)));
  EXPECT_EQ(transfers.deleteAlarm(3), Outcome::Ok);
  EXPECT_EQ(model.state().alarms, Bytes(220, 0));

  core::SmsMessage m;
  m.slot = 0x82;
  m.text.set("hello");
  EXPECT_EQ(transfers.writeSms(m, wire::SmsOperation::Write), Outcome::Ok);
  EXPECT_EQ(sent.back().data.size(), 48u);
  EXPECT_EQ(model.state().saved[2][43], 'h');
  EXPECT_EQ(transfers.sendSms(m, "0111", "0222"), Outcome::Ok);
  EXPECT_EQ(model.state().outbox.size(), 1u);

  EXPECT_EQ(transfers.writeOptions(core::PhoneOptions()), Outcome::Ok);
  EXPECT_EQ(transfers.downloadMelody(
                Bytes{1, 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 120, 0, 3, 7, 19, 2, 0}),
            Outcome::Ok);
  EXPECT_EQ(model.state().melodies[1].size(), 25u);
  EXPECT_EQ(transfers.downloadAnimation(Bytes(wire::kAnimationPayloadSize, 2)), Outcome::Ok);
  EXPECT_EQ(model.state().animations[2].size(), 631u);
  EXPECT_FALSE(link.busy());
}

TEST_F(TransferFixture, RefusedWriteAndRefusedReadFailPromptly) {
  model.setRefusedCode(PC_MBK_SET_REQ);
  EXPECT_EQ(transfers.writePhonebookSlot(1, core::PhoneBookEntry()), Outcome::Refused);
  model.setRefusedCode(PC_MBK_INDEX_REQ);
  const Millis start = loop.now();
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Refused);
  EXPECT_LT(loop.now() - start, Millis(1000));
  EXPECT_FALSE(store.read.phonebook);
  model.setRefusedCode(PC_ALM_DATA_REQ);
  EXPECT_EQ(transfers.readAlarms(), Outcome::Refused);
  model.setRefusedCode(PC_OPT_DATA_REQ);
  EXPECT_EQ(transfers.readOptions(), Outcome::Refused);
  EXPECT_LT(loop.now() - start, Millis(3000));
}

TEST_F(TransferFixture, SilentPhoneFailsEveryExchangeAfterThePasswordTime) {
  silent = true;
  const Millis start = loop.now();
  EXPECT_EQ(transfers.readPhonebook(), Outcome::NoAnswer);
  EXPECT_EQ(loop.now() - start, Millis(1200));
  EXPECT_EQ(transfers.writeOptions(core::PhoneOptions()), Outcome::NoAnswer);
  EXPECT_EQ(transfers.readSms(), Outcome::NoAnswer);
  EXPECT_EQ(transfers.readOptions(), Outcome::NoAnswer);
}

TEST_F(TransferFixture, AfterAHangUpEveryExchangeSaysThePhoneIsGoneUntilTheDeviceIsBack) {
  device.hangUp();
  loop.drainPosted();
  device.setOpenablePorts({});
  EXPECT_EQ(transfers.readAlarms(), Outcome::Disconnected);
  EXPECT_EQ(transfers.writeOptions(core::PhoneOptions()), Outcome::Disconnected);
  EXPECT_TRUE(sent.empty());
  device.setOpenablePorts({0});
  EXPECT_EQ(transfers.readAlarms(), Outcome::Ok);
}

// A phone that misbehaves in one way during a read: `script` answers a
// frame itself (true) or leaves it to the phone model.
struct HostileCase {
  const char *name;
  Outcome (PhoneTransfers::*read)();
  std::function<bool(TransferFixture &, const Frame &)> script;
  Outcome expected;
  Millis within;
};

bool refuse(TransferFixture &t, const Frame &f, uint8_t code) {
  if (f.code != code) {
    return false;
  }
  t.reply(PC_NG, Bytes{code});
  return true;
}

// Answers as the model does, with a PONG and noise ending in a start byte
// before each answer, and one pushed copy of a message mid-read.
bool noisy(TransferFixture &t, const Frame &f) {
  for (const Frame &answer : t.model.answer(f)) {
    t.device.deliver(Bytes{0x50, 0x00, 0x50});
    t.reply(PC_PONG, {});
    if (f.code == PC_SMS_DATA_REQ && f.data[0] == 1) {
      t.reply(PC_SMS_DATA_DATA, t.model.state().received[0]);
    }
    t.reply(answer.code, answer.data);
  }
  return true;
}

TEST_F(TransferFixture, AReadEndsOnlyWhenEveryPartArrivedOrThePhoneRefusedOne) {
  const HostileCase cases[] = {
      {"a slot lost", &PhoneTransfers::readPhonebook,
       [](TransferFixture &, const Frame &f) { return f.code == PC_MBK_DATA_REQ && f.data[0] == 3; },
       Outcome::NoAnswer, kReadWait + Millis(1000)},
      {"speed dials lost", &PhoneTransfers::readPhonebook,
       [](TransferFixture &, const Frame &f) { return f.code == PC_SKEY_DATA_REQ; }, Outcome::NoAnswer,
       kReadWait + Millis(1000)},
      // After 200 slots at a frame pause each.
      {"speed dials refused", &PhoneTransfers::readPhonebook,
       [](TransferFixture &t, const Frame &f) { return refuse(t, f, PC_SKEY_DATA_REQ); }, Outcome::Refused,
       Millis(25000)},
      {"a slot refused", &PhoneTransfers::readPhonebook,
       [](TransferFixture &t, const Frame &f) { return refuse(t, f, PC_MBK_DATA_REQ); }, Outcome::Refused,
       Millis(2000)},
      {"a message refused", &PhoneTransfers::readSms,
       [](TransferFixture &t, const Frame &f) { return refuse(t, f, PC_SMS_DATA_REQ); }, Outcome::Refused,
       Millis(2000)},
      {"connected queued, no table", &PhoneTransfers::readAlarms,
       [](TransferFixture &t, const Frame &f) {
         if (f.code == PC_ALM_DATA_REQ) {
           t.loop.post([&t] { t.link.notify(kConnected); });
         }
         return f.code == PC_ALM_DATA_REQ;
       },
       Outcome::NoAnswer, kReadWait + Millis(1000)},
      {"noise and pushes", &PhoneTransfers::readPhonebook, noisy, Outcome::Ok, Millis(100000)},
      {"noise and pushes", &PhoneTransfers::readSms, noisy, Outcome::Ok, Millis(5000)},
  };
  for (const HostileCase &c : cases) {
    SCOPED_TRACE(c.name);
    script = [this, &c](const Frame &f) {
      if (!c.script(*this, f)) {
        answerAsThePhone(f);
      }
    };
    const Millis start = loop.now();
    EXPECT_EQ((transfers.*c.read)(), c.expected);
    EXPECT_LE(loop.now() - start, c.within);
    if (c.expected == Outcome::NoAnswer) { // a lost answer is waited for in full
      EXPECT_GE(loop.now() - start, kReadWait);
    }
    EXPECT_FALSE(link.busy());
  }
  // The last reads were complete, without doubles from the pushed copy.
  EXPECT_EQ(store.receivedSms.size(), 3u);
  EXPECT_EQ(store.savedSms.size(), 2u);
  EXPECT_EQ(store.phonePhonebook[199].name.view(),
            wire::decodeSlotRecord(model.state().phonebook[199]).name.view());
  EXPECT_FALSE(store.phoneSpeedDials[0].isUnused());
}

TEST_F(TransferFixture, AWriteWhoseAnswerIsLostIsReadBackFromThePhone) {
  core::PhoneBookEntry e;
  e.name.set("NEW");
  e.numbers[2].set("011");
  core::PhoneBookEntry other = e;
  other.name.set("OTHER");
  struct Case {
    bool stores;
    core::PhoneBookEntry entry;
    Outcome expected;
    std::string held;
  } cases[] = {{true, e, Outcome::Ok, "NEW"},
               {false, other, Outcome::NoAnswer, "NEW"},
               {true, core::PhoneBookEntry(), Outcome::Ok, ""}};
  for (const Case &c : cases) {
    script = [this, &c](const Frame &f) {
      const auto answers = f.code != PC_MBK_SET_REQ || c.stores ? model.answer(f) : std::vector<Frame>{};
      for (const Frame &answer : answers) {
        if (f.code != PC_MBK_SET_REQ) {
          reply(answer.code, answer.data);
        }
      }
    };
    EXPECT_EQ(transfers.writePhonebookSlot(5, c.entry), c.expected);
    ASSERT_TRUE(transfers.lastReadBack().has_value());
    EXPECT_EQ(transfers.lastReadBack()->name.view(), c.held);
  }
  script = nullptr;
  EXPECT_EQ(transfers.writePhonebookSlot(5, e), Outcome::Ok);
  EXPECT_FALSE(transfers.lastReadBack().has_value());
}

TEST_F(TransferFixture, WrongPasswordOnTheRequest) {
  // The password was changed on the phone after the log-on.
  script = [this](const Frame &f) { reply(f.code == PC_PW_SET_REQ ? PC_NG : PC_OK, Bytes{f.code}); };
  EXPECT_EQ(transfers.readAlarms(), Outcome::WrongPassword);
  EXPECT_EQ(transfers.writeOptions(core::PhoneOptions()), Outcome::WrongPassword);
  EXPECT_EQ(sentCodes(), (std::vector<int>{PC_PW_SET_REQ, PC_PW_SET_REQ}));
}

TEST_F(TransferFixture, TestModeNeverTouchesTheLine) {
  store.testMode = true;
  EXPECT_EQ(transfers.readPhonebook(), Outcome::Ok);
  EXPECT_EQ(transfers.readSms(), Outcome::Ok);
  EXPECT_EQ(transfers.readAlarms(), Outcome::Ok);
  EXPECT_EQ(transfers.writeOptions(core::PhoneOptions()), Outcome::Ok);
  EXPECT_TRUE(sent.empty());
  EXPECT_TRUE(store.read.phonebook);
  EXPECT_GT(store.receivedSms.size(), 0u);
}

TEST_F(TransferFixture, HundredLocationBookIsWalkedFromLocationOne) {
  script = [](const Frame &) {};
  Bytes bitmap(13, 0);
  bitmap[0] = 0xC0;  // locations 0 and 1
  bitmap[12] = 0x10; // location 99
  reply(PC_BK_INDEX_DATA, bitmap);
  loop.drainPosted();
  reply(PC_BK_DATA_DATA, Bytes{1, 'x'});
  loop.drainPosted();
  reply(PC_BK_DATA_DATA, Bytes{99, 'y'});
  loop.advance(Millis(1000));
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0], (Frame{PC_BK_DATA_REQ, {1}}));
  EXPECT_EQ(sent[1], (Frame{PC_BK_DATA_REQ, {99}}));
  EXPECT_EQ(sent[2], (Frame{PC_GRP_DATA_REQ, {}}));
  EXPECT_EQ(link.events().size(), 0u);
}

TEST_F(TransferFixture, AlarmsReadAreOrderedByTheTransfersClock) {
  Bytes table(wire::kAlarmTableSize, 0);
  core::AlarmEntry alarm; // one-time alarms, each due only at its own date
  for (const auto &[position, year] : {std::pair{0, 2099}, std::pair{1, 2025}}) {
    alarm.year = static_cast<uint16_t>(year);
    wire::putAlarm(table, static_cast<size_t>(position), alarm, 0);
  }
  reply(PC_ALM_DATA_DATA, table);
  loop.drainPosted();
  ASSERT_EQ(store.alarms.size(), 2u);
  EXPECT_EQ(store.alarms[0].year, 2025); // the clock says 2024: both still to come
}

TEST_F(TransferFixture, UnaskedRecordsAreStoredAsTheyCome) {
  Bytes options(128, 0);
  options[0] = 3;
  reply(PC_OPT_DATA_DATA, options);
  Bytes record = model.state().phonebook[9];
  store.phonePhonebook.resetSlots(5);
  reply(PC_MBK_DATA_DATA, record); // slot 9 is not in a 5-entry mirror
  loop.drainPosted();
  EXPECT_EQ(store.options.head[0], 3);
  EXPECT_TRUE(store.read.options);
  for (const auto &e : store.phonePhonebook) {
    EXPECT_TRUE(e.isEmpty());
  }
}

} // namespace
} // namespace pdx::link
