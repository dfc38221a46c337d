#include "core/base/test_support.h"
#include "core/data/samples.h"
#include "core/data/store.h"

#include <gtest/gtest.h>

namespace pdx::core {
namespace {

TEST(DataStore, MessagesGoToTheBoxTheirSlotNames) {
  CDataStore store;
  SmsMessage m;
  m.slot = 0x85;
  store.addPhoneSms(m);
  m.slot = 0x05;
  store.addPhoneSms(m);
  ASSERT_EQ(store.savedSms.size(), 1u);
  EXPECT_EQ(store.savedSms[0].slot, 0x85);
  ASSERT_EQ(store.receivedSms.size(), 1u);
  EXPECT_EQ(store.receivedSms[0].slot, 0x05);
}

TEST(DataStore, PhonebookReadKeepsThePreviousGroupsForTheMerge) {
  CDataStore store;
  store.phoneGroups.addGroup("family", 0);
  store.phonePhonebook.resetSlots(3);
  store.beginPhonebookRead();
  EXPECT_EQ(store.phoneGroups.size(), 0u);
  ASSERT_EQ(store.pcGroups.size(), 1u);
  EXPECT_EQ(store.pcGroups[0].name.view(), "family");
  ASSERT_EQ(store.phonePhonebook.size(), 200u);
  EXPECT_EQ(store.phonePhonebook[42].phoneSlot, 42);
  EXPECT_TRUE(store.phonePhonebook[42].isEmpty());
}

TEST(DataStore, SpeedDialsNamingMissingEntriesOrNumbersBecomeUnused) {
  CDataStore store;
  store.phonePhonebook.resetSlots(200);
  PhoneBookEntry e;
  e.name.set("x");
  e.numbers[2].set("011");
  store.phonePhonebook.replaceAt(3, e);
  store.phoneSpeedDials[0] = SpeedDialKey{3, 2};   // valid
  store.phoneSpeedDials[1] = SpeedDialKey{3, 0};   // empty number
  store.phoneSpeedDials[2] = SpeedDialKey{4, 2};   // empty entry
  store.phoneSpeedDials[3] = SpeedDialKey{250, 2}; // out of range
  store.validateSpeedDials();
  EXPECT_FALSE(store.phoneSpeedDials[0].isUnused());
  for (size_t k = 1; k < 4; ++k) {
    EXPECT_TRUE(store.phoneSpeedDials[k].isUnused()) << k;
    EXPECT_EQ(store.phoneSpeedDials[k].slot, -1);
  }
}

TEST(DataStore, TestModeSamplesFillTheMirrorAndSetTheReadFlags) {
  CDataStore store;
  fillSampleSms(store);
  fillSamplePhonebook(store);
  fillSampleAlarms(store, CivilTime{1999, 3, 3, 8, 0, 0});
  fillSampleOptions(store);
  EXPECT_TRUE(store.read.receivedBox && store.read.savedBox && store.read.phonebook && store.read.alarms &&
              store.read.options);
  EXPECT_GE(store.receivedSms.size(), 2u);
  EXPECT_GE(store.savedSms.size(), 1u);
  EXPECT_EQ(store.phonePhonebook.size(), 200u);
  EXPECT_GE(store.phoneGroups.size(), 3u);
  EXPECT_EQ(store.phoneGroups[0].name.view(), defaultGroupName());
  store.validateSpeedDials();
  EXPECT_FALSE(store.phoneSpeedDials[0].isUnused());
  ASSERT_EQ(store.alarms.size(), 3u);
  // Wednesday 8:00: the monthly alarm rings at noon, the daily one tomorrow
  // morning, the Monday meeting in five days.
  EXPECT_EQ(store.alarms[0].title.utf8(), "월급날");
  EXPECT_EQ(store.alarms[1].title.utf8(), "기상");
  EXPECT_EQ(store.alarms[2].title.utf8(), "주간회의");
}

TEST(DataStore, SmsExportWritesOneLineWithoutLineEnd) {
  SmsMessage m;
  m.year = 1999;
  m.month = 3;
  m.day = 2;
  m.hour = 9;
  m.minute = 5;
  m.text.set("hello");
  m.number.set("0112345678");
  const TempDir dir;
  ASSERT_EQ(exportSmsText(dir / "m.txt", m), DocResult::Ok);
  EXPECT_EQ(readWholeFile(dir / "m.txt"), "1999-3-2 9:5:0\thello\t0112345678");
  EXPECT_EQ(exportSmsText("/nonexistent-folder/x.txt", m), DocResult::CannotCreate);
}

} // namespace
} // namespace pdx::core
