#include "core/base/cp949.h"
#include "core/data/store.h"
#include "features/sms/sms_text.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>
#include <unistd.h>

namespace pdx::features {
namespace {

const core::CivilTime kNow{2026, 12, 7, 10, 15, 30};

// year, month, day, hour, minute, second, text, number
using Expected = std::tuple<int, int, int, int, int, int, std::string, std::string>;

void expectMessage(const core::SmsMessage &m, const Expected &e) {
  EXPECT_EQ(Expected(m.year, m.month, m.day, m.hour, m.minute, m.second, m.text.view(), m.number.view()), e);
}

TEST(SmsTextTest, LinesWithAndWithoutALeadingTime) {
  const std::string hangul = text::fromUtf8("가"); // two bytes
  struct Case {
    std::string line;
    Expected expected;
  };
  const Case cases[] = {
      {"hello", {2026, 12, 7, 10, 15, 30, "hello", ""}},
      {"1998-7-1 9:5:0\tabc\t0111234567", {1998, 7, 1, 9, 5, 0, "abc", "0111234567"}},
      {"1998-7-1 9:5:0", {1998, 7, 1, 9, 5, 0, "", ""}},
      {"1998-7-1 9:5\tno seconds", {2026, 12, 7, 10, 15, 30, "1998-7-1 9:5\tno seconds", ""}},
      // Times the calendar or the record cannot hold make an untimed line.
      {"1998-13-1 9:5:0\tbad month", {2026, 12, 7, 10, 15, 30, "1998-13-1 9:5:0\tbad month", ""}},
      {"2023-2-30 9:5:0\tx", {2026, 12, 7, 10, 15, 30, "2023-2-30 9:5:0\tx", ""}},
      {"2024-2-29 9:5:0\tx", {2024, 2, 29, 9, 5, 0, "x", ""}},
      {"99-1-1 0:0:0\tx", {2026, 12, 7, 10, 15, 30, "99-1-1 0:0:0\tx", ""}},
      {"2156-1-1 0:0:0\tx", {2026, 12, 7, 10, 15, 30, "2156-1-1 0:0:0\tx", ""}},
      {"2155-12-31 23:59:59\tx", {2155, 12, 31, 23, 59, 59, "x", ""}},
      // 84 ASCII bytes then a two-byte character: the character is left out.
      {std::string(84, 'x') + hangul, {2026, 12, 7, 10, 15, 30, std::string(84, 'x'), ""}},
      {"2000-1-2 3:4:5\tt\t" + std::string(31, '1') + hangul,
       {2000, 1, 2, 3, 4, 5, "t", std::string(31, '1')}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.line);
    const auto messages = parseSmsText(c.line, kNow);
    ASSERT_EQ(messages.size(), 1u);
    expectMessage(messages[0], c.expected);
  }
}

TEST(SmsTextTest, EmptyLinesAreSkippedAndLineEndsRemoved) {
  const auto messages = parseSmsText("\r\none\r\n\n\ntwo\r\r\n", kNow);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text.view(), "one");
  EXPECT_EQ(messages[1].text.view(), "two");
}

TEST(SmsTextTest, OnlyTheFirst1023BytesOfALineCount) {
  const auto messages = parseSmsText(std::string(1022, ' ') + "ab\nnext", kNow);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text.view(), "next");
}

TEST(SmsTextTest, SavedMessagesReadBackAndUtf8FilesAreConverted) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("pdx-sms-text-" + std::to_string(::getpid()) + ".txt");
  for (const char *utf8 : {"new\uE001", "청첩", "책 창 채", "안녕\uE009"}) {
    core::SmsMessage written;
    written.year = 2026;
    written.month = 12;
    written.day = 7;
    written.text.set(text::fromUtf8(utf8));
    written.number.set("011");
    ASSERT_EQ(core::exportSmsText(file, written), DocResult::Ok);
    const auto read = parseSmsText(readSmsFile(file).value_or(""), kNow);
    ASSERT_EQ(read.size(), 1u) << utf8;
    expectMessage(read[0], {2026, 12, 7, 0, 0, 0, text::fromUtf8(utf8), "011"});
  }
  std::filesystem::remove(file);
  const auto utf8 = parseSmsText("2000-1-2 3:4:5\t안녕\t011", kNow);
  ASSERT_EQ(utf8.size(), 1u);
  EXPECT_EQ(utf8[0].text.view(), text::fromUtf8("안녕"));
}

} // namespace
} // namespace pdx::features
