#include "core/data/records.h"

#include <gtest/gtest.h>

namespace pdx::core {
namespace {

TEST(PhoneBookEntry, APagerNumberAloneIsNotEmpty) {
  PhoneBookEntry e;
  e.numbers[3].set("012");
  EXPECT_FALSE(e.isEmpty());
  e.clear();
  EXPECT_TRUE(e.isEmpty());
}

TEST(PhoneBookEntry, FileRecordIsFieldByFieldLittleEndian) {
  PhoneBookEntry e;
  e.group = 0x0102;
  e.flags = 0x0003;
  e.name.set("Kim");
  e.numbers[1].set("02-123");
  e.phoneSlot = 7;
  e.phoneState = kUnconfirmed;
  ByteWriter w;
  e.writeTo(w);
  const auto &b = w.bytes();
  ASSERT_EQ(b.size(), PhoneBookEntry::kFileSize);
  EXPECT_EQ(b[0], 0x02);
  EXPECT_EQ(b[1], 0x01);
  EXPECT_EQ(b[4], 'K');
  EXPECT_EQ(b[20], 0); // the name's terminator
  EXPECT_EQ(b[54], '0');
  EXPECT_EQ(b[153], 7);
  EXPECT_EQ(b[155], 2);
  ByteReader r(b);
  PhoneBookEntry back;
  back.readFrom(r);
  EXPECT_EQ(compareBySortKey(back, e), 0);
  EXPECT_EQ(back.phoneSlot, 7);
}

TEST(PhoneBookEntry, LongTextsAreCutAtTheirWidths) {
  std::vector<uint8_t> raw(PhoneBookEntry::kFileSize, 'x'); // no terminators at all
  ByteReader r(raw);
  PhoneBookEntry e;
  e.readFrom(r);
  EXPECT_EQ(e.name.view().size(), 16u);
  EXPECT_EQ(e.numbers[0].view().size(), 32u);
}

TEST(PhoneBookEntry, SortKeyOrdersStateGroupThenTextsUnsigned) {
  PhoneBookEntry a;
  PhoneBookEntry b;
  a.phoneState = kStoredOnPhone;
  b.phoneState = kNotOnPhone;
  EXPECT_LT(compareBySortKey(a, b), 0);
  b.phoneState = kStoredOnPhone;
  a.group = 2;
  b.group = 1;
  EXPECT_GT(compareBySortKey(a, b), 0);
  b.group = 2;
  a.name.set("z");
  b.name.set("\xB0\xA1");
  EXPECT_LT(compareBySortKey(a, b), 0);
  b.name.set("z");
  b.numbers[2].set("1");
  EXPECT_LT(compareBySortKey(a, b), 0);
}

TEST(PhoneNumbers, ValidityAndEqualityIgnoringDashes) {
  EXPECT_TRUE(isValidPhoneNumber("02-555-1234#*pP"));
  EXPECT_FALSE(isValidPhoneNumber("02 555"));
  EXPECT_FALSE(isValidPhoneNumber(std::string(33, '1')));
  EXPECT_TRUE(numbersEqual("02-555-1234", "025551234"));
  EXPECT_TRUE(numbersEqual("--0-2", "02--"));
  EXPECT_FALSE(numbersEqual("0255", "025"));
  EXPECT_TRUE(numbersEqual("", "---"));
}

TEST(SpeedDial, UnusedKeys) {
  SpeedDialTable table;
  EXPECT_EQ(firstUnusedKey(table), 0);
  table[0] = SpeedDialKey{3, 1};
  EXPECT_EQ(firstUnusedKey(table), 1);
  EXPECT_TRUE((SpeedDialKey{250, 0}).isUnused());
  EXPECT_TRUE((SpeedDialKey{3, 4}).isUnused());
  for (auto &key : table) {
    key = SpeedDialKey{0, 0};
  }
  EXPECT_EQ(firstUnusedKey(table), -1);
}

TEST(SmsMessage, TimeStampsWeighDaysThenSeconds) {
  SmsMessage a;
  SmsMessage b;
  a.year = b.year = 1999;
  a.month = 1;
  a.day = 31;
  b.month = 2;
  b.day = 1;
  EXPECT_LT(compareTimeStamps(a, b), 0);
  b = a;
  b.second = 1;
  EXPECT_LT(compareTimeStamps(a, b), 0);
  EXPECT_EQ(compareTimeStamps(a, a), 0);
}

TEST(BellNames, TableHasFiftyOneNames) {
  EXPECT_EQ(bellName(0), "<벨지정 사용안함>");
  EXPECT_EQ(bellName(10), "(10)벨7");
  EXPECT_EQ(bellName(29), "(29)사계 중 \"봄\"");
  EXPECT_EQ(bellName(50), "(50)딱다구리");
  EXPECT_EQ(bellName(51), "");
  EXPECT_EQ(bellName(-1), "");
}

} // namespace
} // namespace pdx::core
