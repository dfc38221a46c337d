#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"
#include "link/wire/sms_wire.h"

#include <gtest/gtest.h>

namespace pdx::link::wire {
namespace {

core::PhoneBookEntry sampleEntry() {
  core::PhoneBookEntry e;
  e.group = 3;
  e.name.set(text::fromUtf8("홍길동"));
  e.numbers[1].set("02-555-1234");
  e.numbers[2].set("011-234-5678");
  return e;
}

TEST(SlotRecord, LayoutAndFlagsAreRecomputed) {
  core::PhoneBookEntry e = sampleEntry();
  e.flags = 0xFF;
  const Bytes r = encodeSlotRecord(e, 17);
  ASSERT_EQ(r.size(), 148u);
  EXPECT_EQ(r[0], 17);
  EXPECT_EQ(r[1], 3);
  EXPECT_EQ(r[2], 0b0000'1101); // in use, office, mobile
  EXPECT_EQ(getText(r, 3, 16), e.name.view());
  EXPECT_EQ(r[19], 0);
  EXPECT_EQ(getText(r, 20, 32), "");
  EXPECT_EQ(getText(r, 52, 32), "02-555-1234");
  EXPECT_EQ(getText(r, 84, 32), "011-234-5678");
  EXPECT_EQ(encodeSlotRecord(core::PhoneBookEntry(), 0), Bytes(148, 0));
}

TEST(SlotRecord, ReceivedNumbersWithoutTheirFlagAreCleared) {
  Bytes r(148, 0);
  r[0] = 199;
  r[1] = 2;
  r[2] = 0b0000'0011; // in use, home present only
  std::fill_n(r.begin() + 3, 16, 'N');
  putText(r, 20, std::string(32, '1'), 32);
  putText(r, 52, "999", 32);
  const auto e = decodeSlotRecord(r);
  EXPECT_EQ(e.phoneSlot, 199);
  EXPECT_EQ(e.group, 2);
  EXPECT_EQ(e.flags, 3);
  EXPECT_EQ(e.name.view(), std::string(16, 'N'));
  EXPECT_EQ(e.numbers[0].view(), std::string(32, '1'));
  EXPECT_TRUE(e.numbers[1].empty());
  EXPECT_EQ(e.phoneState, core::kStoredOnPhone);
  const auto roundTrip = decodeSlotRecord(encodeSlotRecord(sampleEntry(), 4));
  EXPECT_EQ(roundTrip.name, sampleEntry().name);
  EXPECT_EQ(roundTrip.numbers, sampleEntry().numbers);
  EXPECT_EQ(decodeSlotRecord(Bytes{5, 1}).phoneSlot, 5);
}

TEST(GroupTable, MelodyAndSecretBytes) {
  Bytes t(340, 0);
  putText(t, 17 * 2, "AB", 12);
  t[17 * 2 + 15] = 255;
  t[17 * 2 + 16] = 7;
  putText(t, 17 * 19, "Z", 12);
  t[17 * 19 + 15] = 4;
  t[17 * 5 + 15] = 9; // no name: not a group
  const core::GroupTable groups = decodeGroupTable(t);
  ASSERT_EQ(groups.size(), 2u);
  const auto &ab = groups[static_cast<size_t>(groups.findById(2))];
  EXPECT_EQ(ab.melody, 0);
  EXPECT_EQ(ab.secret, 7);
  EXPECT_EQ(groups[static_cast<size_t>(groups.findById(19))].melody, 5);
  Bytes expected = t;
  expected[17 * 5 + 15] = 0;
  EXPECT_EQ(encodeGroupTable(groups), expected);
}

TEST(GroupTable, NamesAreCutWithoutSplittingACharacter) {
  core::GroupTable groups;
  core::PhoneGroup g;
  g.id = 0;
  g.melody = 1;
  g.name.set(std::string(11, 'a') + "\xB0\xA1");
  (void)groups.insert(g);
  const Bytes t = encodeGroupTable(groups);
  EXPECT_EQ(getText(t, 0, 12), std::string(11, 'a'));
  EXPECT_EQ(t[15], 0);
}

TEST(SpeedDials, ValuesAndUnusedKeys) {
  Bytes t(198, 0xFF);
  putU16(t, 0, 0x0009);
  putU16(t, 2, 0x0321);
  putU16(t, 4, 799);
  const auto keys = decodeSpeedDials(t);
  EXPECT_EQ(keys[0].slot, 2);
  EXPECT_EQ(keys[0].kind, 1);
  EXPECT_TRUE(keys[1].isUnused());
  EXPECT_EQ(keys[2].slot, 199);
  EXPECT_EQ(keys[2].kind, 3);
  EXPECT_TRUE(keys[98].isUnused());
  Bytes expected(198, 0xFF);
  putU16(expected, 0, 0x0009);
  putU16(expected, 4, 799);
  EXPECT_EQ(encodeSpeedDials(keys), expected);
}

core::SmsMessage sampleSms() {
  core::SmsMessage m;
  m.slot = 0x83;
  m.readState = 0x01;
  m.attributes = 0x20;
  m.kind = 5;
  m.year = 1999;
  m.month = 12;
  m.day = 31;
  m.hour = 23;
  m.minute = 59;
  m.second = 58;
  m.number.set("0112345678");
  m.text.set("0123456789");
  return m;
}

TEST(SmsRecord, SetRequestCarriesTextLengthBytesOnly) {
  const Bytes set = encodeSmsSet(sampleSms(), SmsOperation::Write);
  ASSERT_EQ(set.size(), 53u);
  EXPECT_EQ((Bytes(set.begin(), set.begin() + 10)), (Bytes{0x83, 1, 0x21, 5, 99, 12, 31, 23, 59, 58}));
  EXPECT_EQ(getText(set, 10, 32), "0112345678");
  EXPECT_EQ(set[42], 10);
  EXPECT_EQ(getText(set, 43, 10), "0123456789");
  EXPECT_EQ(encodeSmsSet(sampleSms(), SmsOperation::Erase)[1], 0);
}

TEST(SmsRecord, SendRequestHasCallbackAndRecipient) {
  const Bytes send = encodeSmsSend(sampleSms(), "0190001111", "0167778888");
  ASSERT_EQ(send.size(), 161u);
  EXPECT_EQ(send[1], 0);
  EXPECT_EQ(getText(send, 10, 32), "0190001111");
  EXPECT_EQ(send[128], 0);
  EXPECT_EQ(getText(send, 129, 32), "0167778888");
}

TEST(SmsRecord, ReceivedRecordCapsLengthAndSharesStatusByte) {
  Bytes r = encodeSmsRecord(sampleSms(), SmsOperation::Erase);
  r[42] = 200;
  std::fill(r.begin() + 43, r.begin() + 128, 'x');
  const auto m = decodeSmsRecord(r);
  EXPECT_EQ(m.slot, 0x83);
  EXPECT_EQ(m.readState, 0x21);
  EXPECT_EQ(m.attributes, 0x21);
  EXPECT_EQ(m.year, 1999);
  EXPECT_EQ(m.second, 58);
  EXPECT_EQ(m.text.view(), std::string(85, 'x'));
  r[42] = 3;
  EXPECT_EQ(decodeSmsRecord(r).text.view(), "xxx");
  r[4] = 110;
  EXPECT_EQ(decodeSmsRecord(r).year, 2010);
}

TEST(Options, DigitsPasswordNumberAndText) {
  core::PhoneOptions o;
  o.head[0] = 1;
  o.head[13] = 2;
  o.middle[0] = 3;
  o.middle[8] = 4;
  o.tail[1] = 5;
  o.digitsA.set("1020");
  o.digitsB.set("0123456");
  o.number3.set("123");
  o.text.set("HELLO");
  o.password.set("0950");
  const Bytes r = encodeOptions(o);
  ASSERT_EQ(r.size(), 128u);
  EXPECT_EQ((Bytes(r.begin() + 14, r.begin() + 19)), (Bytes{4, 1, 10, 2, 10}));
  EXPECT_EQ((Bytes(r.begin() + 19, r.begin() + 27)), (Bytes{7, 10, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(r[0], 1);
  EXPECT_EQ(r[13], 2);
  EXPECT_EQ(r[27], 3);
  EXPECT_EQ(r[35], 4);
  EXPECT_EQ(getU16(r, 36), 123);
  EXPECT_EQ(r[39], 5);
  EXPECT_EQ(getText(r, 40, 16), "HELLO");
  EXPECT_EQ(r[57], 0xA9);
  EXPECT_EQ(r[58], 0x5A);
  EXPECT_EQ(encodeOptions(decodeOptions(r)), r);
}

TEST(Options, ReceivedDigitValuesAndOverlongLengths) {
  Bytes r(128, 0);
  r[14] = 9; // longer than the field: cut to 4
  r[15] = 0;
  r[16] = 10;
  r[17] = 7;
  r[18] = 12;
  EXPECT_EQ(decodeOptions(r).digitsA.view(), "0070");
  core::PhoneOptions o;
  o.digitsA.set("12345");
  EXPECT_EQ(encodeOptions(o)[14], 4);
}

} // namespace
} // namespace pdx::link::wire
