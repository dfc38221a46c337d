#include "core/base/cp949.h"
#include "features/sms/phonebook_choice.h"
#include "features/sms/sms_format.h"
#include "features/sms/sms_print.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

core::SmsMessage at(int hour, int minute) {
  core::SmsMessage m;
  m.year = 2026;
  m.month = 7;
  m.day = 3;
  m.hour = static_cast<uint8_t>(hour);
  m.minute = static_cast<uint8_t>(minute);
  m.number.set("0111234567");
  m.text.set("hi");
  return m;
}

TEST(SmsFormatTest, TwelveHourListsAndPanesButTheDayHourOnPaper) {
  struct Case {
    int hour, minute;
    const char *listed, *spoken, *printed;
  };
  const Case cases[] = {{0, 30, "12:30a", "오전 12시 30분", "오전 0시 30분"},
                        {12, 5, "12:05p", "오후 12시 5분", "오후 12시 5분"},
                        {23, 59, "11:59p", "오후 11시 59분", "오후 23시 59분"}};
  for (const Case &c : cases) {
    const core::SmsMessage m = at(c.hour, c.minute);
    EXPECT_EQ(receivedRow(3, m), std::string("3\t\xFF\x0B\t0111234567\t7-03 ") + c.listed + "\thi");
    EXPECT_EQ(savedRow(10, m), std::string("10\t 7-03 ") + c.listed + "\thi");
    EXPECT_EQ(receivedPane(m, "hi"),
              std::string("발신번호 : 0111234567\n수신시간 : 2026년 7월 3일 ") + c.spoken + "\nhi");
    EXPECT_EQ(savedPane(m, "hi"), std::string("저장시간 : 2026년 7월 3일 ") + c.spoken + "\nhi");
    EXPECT_EQ(text::toUtf8(printedHeading(m, true).at(1)),
              std::string("수신시간 : 2026년 7월 3일 ") + c.printed);
  }
}

TEST(SmsFormatTest, IconCodesFollowTheAttributeBitsThenTheReadState) {
  const std::pair<std::pair<int, int>, int> cases[] = {
      {{0, 0}, 11}, {{0, 1}, 12}, {{0x02, 0}, 14}, {{0x06, 1}, 15}, {{0x01, 1}, 12}};
  for (const auto &[input, code] : cases) {
    core::SmsMessage m;
    m.attributes = static_cast<uint16_t>(input.first);
    m.readState = static_cast<uint16_t>(input.second);
    EXPECT_EQ(smsIconCode(m), code);
  }
}

// Ten pixels a byte, 40-pixel lines.
class ByteMetrics : public TextMetrics {
public:
  int width(PrintFont, const std::string &t) const override { return 10 * static_cast<int>(t.size()); }
  int height(PrintFont, const std::string &) const override { return 40; }
};

TEST(SmsPrintTest, TheTextStarts27PixelsBelowTheHeadingAndWrapsAtBlanks) {
  core::SmsMessage m = at(9, 0);
  m.text.set("aaaa bbbb cccccccccccc");
  const PrintPage page = layoutSmsPrint(m, m.text.view(), true, {100, 200, 200, 1000}, ByteMetrics());
  std::vector<std::pair<int, std::string>> lines;
  for (const PrintText &t : page.texts) {
    EXPECT_EQ(t.x, 100);
    lines.emplace_back(t.y, t.text);
  }
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], std::make_pair(200, text::fromUtf8("발신번호 : 0111234567")));
  EXPECT_EQ(lines[1].first, 240);
  const std::vector<std::pair<int, std::string>> body = {
      {307, "aaaa bbbb "}, {347, "cccccccccc"}, {387, "cc"}};
  EXPECT_EQ(std::vector(lines.begin() + 2, lines.end()), body);
}

TEST(PickerRowsTest, OneRowPerNumberAndSortingKeepsAnEntrysRowsTogether) {
  core::GroupTable groups;
  const int plain = groups.addGroup(core::defaultGroupName(), 0);
  const int friends = groups.addGroup("B", 0);
  core::PhonebookList phone;
  const auto add = [&phone](const char *name, int group, std::vector<std::pair<int, const char *>> numbers) {
    core::PhoneBookEntry e;
    e.name.set(name);
    e.group = static_cast<uint16_t>(group);
    for (const auto &[kind, number] : numbers) {
      e.numbers[static_cast<size_t>(kind)].set(number);
    }
    phone.append(e);
  };
  add("nam", friends, {{0, "1"}, {2, "3"}});
  add("", plain, {});
  add("kim", plain, {{1, "2"}});
  std::vector<PickerRow> rows = pickerRows(phone, groups);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].text, "nam\tB\t\xC9\xA5"
                          "1");
  EXPECT_EQ(rows[1].text, "\t\t\xC9\xA2"
                          "3");
  EXPECT_EQ(rows[2].text, "kim\t[" + std::string(core::defaultGroupName()) + "]\t\xC9\xA6" + "2");
  const auto numbers = [&rows] {
    std::string all;
    for (const PickerRow &row : rows) {
      all += row.number;
    }
    return all;
  };
  sortPickerRows(rows, 0);
  EXPECT_EQ(numbers(), "213") << "by name, nam's second number stays under it";
  sortPickerRows(rows, 1);
  EXPECT_EQ(numbers(), "132") << "by group, B before [...]";
}

} // namespace
} // namespace pdx::features
