#include "core/data/lists.h"

#include <gtest/gtest.h>

namespace pdx::core {
namespace {

using text::fromUtf8;

PhoneGroup group(int id, const char *utf8Name, int melody = 0, int secret = 0) {
  PhoneGroup g;
  g.id = static_cast<uint16_t>(id);
  g.melody = static_cast<uint16_t>(melody);
  g.secret = static_cast<uint16_t>(secret);
  g.name.setWhole(fromUtf8(utf8Name));
  return g;
}

TEST(GroupTable, OrdersByNameWithTheDefaultGroupFirst) {
  GroupTable t;
  t.insert(group(1, "회사"));
  t.insert(group(2, "가족"));
  t.insert(group(0, "지정안됨"));
  t.insert(group(3, "Alpha"));
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].name.utf8(), "지정안됨");
  EXPECT_EQ(t[1].name.utf8(), "Alpha");
  EXPECT_EQ(t[2].name.utf8(), "가족");
  EXPECT_EQ(t[3].name.utf8(), "회사");
}

TEST(GroupTable, InsertNormalisesIdMelodyAndName) {
  GroupTable t;
  t.insert(group(0, "a"));
  t.insert(group(1, "b"));
  t.insert(group(25, "c", 60, 7));
  t.insert(group(0, "d"));
  EXPECT_EQ(t[t.findByName("c")].id, 2);
  EXPECT_EQ(t[t.findByName("c")].melody, 0);
  EXPECT_TRUE(t[t.findByName("c")].isSecret());
  EXPECT_EQ(t[t.findByName("d")].id, 3);
  PhoneGroup g;
  g.id = 9;
  g.melody = 51;
  g.name.set("abcdefghijk\xB0"); // 12 bytes, the last a dangling lead byte
  t.insert(g);
  const int at = t.findById(9);
  ASSERT_GE(at, 0);
  EXPECT_EQ(t[static_cast<size_t>(at)].name.view(), "abcdefghijk");
  EXPECT_EQ(t[static_cast<size_t>(at)].melody, 51);
}

TEST(GroupTable, FreeIdsSkipUsedAndCountEmptyGroupsAsFree) {
  GroupTable t;
  t.insert(group(0, "a"));
  t.insert(group(2, "b"));
  PhoneGroup empty;
  empty.id = 1;
  t.insert(empty);
  EXPECT_EQ(t.firstFreeId(), 1);
  EXPECT_EQ(t.nextFreeId(1), 3);
  EXPECT_EQ(t.nextFreeId(19), -1);
}

TEST(GroupTable, TheGuardRefusesWhatWouldBreakTheTable) {
  GroupTable t;
  t.ensureDefaultGroup();
  ASSERT_EQ(t.addGroup(text::fromUtf8("아주아주긴그룹이름"), 0), 1);
  const std::pair<const char *, GroupRefusal> cases[] = {
      {"", GroupRefusal::NoName},
      {"지정안됨", GroupRefusal::SameName},
      {"아주아주긴그룹이름이지요", GroupRefusal::SameName}, // equal as stored: 12 bytes
  };
  for (const auto &[name, refusal] : cases) {
    PhoneGroup g = group(7, "");
    g.name.setWhole(text::fromUtf8(name));
    EXPECT_EQ(t.refusal(g), refusal) << name;
    EXPECT_FALSE(t.insert(g)) << name;
    EXPECT_EQ(t.addGroup(text::fromUtf8(name), 0), -1) << name;
  }
  EXPECT_EQ(t.refusal(t[1], 1), GroupRefusal::None); // its own name when it replaces itself
  for (int i = 2; i < 20; ++i) {
    ASSERT_TRUE(t.insert(group(i, ("g" + std::to_string(i)).c_str())));
  }
  EXPECT_EQ(t.refusal(group(30, "more")), GroupRefusal::Full);
  EXPECT_FALSE(t.insert(group(30, "more")));
  EXPECT_EQ(t.addGroup("more", 0), -1);
  EXPECT_EQ(t.size(), 20u);
}

TEST(GroupTable, DefaultGroupIsAddedOnce) {
  GroupTable t;
  t.insert(group(0, "가족"));
  t.ensureDefaultGroup();
  t.ensureDefaultGroup();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].name.view(), defaultGroupName());
  EXPECT_EQ(t[0].id, 1);
  EXPECT_EQ(t[0].melody, 0);
}

SmsMessage message(int day, int minute, const char *text) {
  SmsMessage m;
  m.year = 1999;
  m.month = 3;
  m.day = static_cast<uint8_t>(day);
  m.minute = static_cast<uint8_t>(minute);
  m.text.set(text);
  return m;
}

TEST(SmsBox, NewestFirstTiesKeepArrivalOrderAndTextsEndWhole) {
  SmsBox box;
  box.insert(message(1, 0, "old\xB0")); // the dangling lead byte is dropped
  box.insert(message(2, 0, "new"));
  box.insert(message(1, 30, "middle"));
  box.insert(message(2, 0, "new too"));
  ASSERT_EQ(box.size(), 4u);
  EXPECT_EQ(box[0].text.view(), "new");
  EXPECT_EQ(box[1].text.view(), "new too");
  EXPECT_EQ(box[2].text.view(), "middle");
  EXPECT_EQ(box[3].text.view(), "old");
}

TEST(PhonebookList, EmptySlotsAndGroupUse) {
  PhonebookList list;
  list.resetSlots(200);
  EXPECT_EQ(list[199].phoneSlot, 199);
  PhoneBookEntry e;
  e.name.set("x");
  e.group = 4;
  list.replaceAt(0, e);
  EXPECT_EQ(list.firstEmptyEntry(), 1);
  EXPECT_TRUE(list.anyEntryHasGroup(4));
  EXPECT_FALSE(list.anyEntryHasGroup(5));
  for (size_t i = 1; i < 199; ++i) {
    list.replaceAt(i, e);
  }
  // Only positions 0..198 count: slot 199 is never offered.
  EXPECT_EQ(list.firstEmptyEntry(), -1);
}

} // namespace
} // namespace pdx::core
