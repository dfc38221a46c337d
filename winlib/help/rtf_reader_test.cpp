#include "core/base/cp949.h"
#include "winlib/help/rtf_reader.h"

#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

std::string escaped(std::string_view utf8) {
  std::string out;
  for (const char c : text::fromUtf8(utf8)) {
    const auto b = static_cast<unsigned char>(c);
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", b);
    out += b >= 0x80 ? std::string(hex) : std::string(1, c);
  }
  return out;
}

TEST(RtfText, EscapesCodePagesAndMalformedInput) {
  const std::string trail = text::fromUtf8("똠"); // a trail byte below 0x80
  ASSERT_EQ(trail.size(), 2U);
  ASSERT_LT(static_cast<unsigned char>(trail[1]), 0x80);
  const std::pair<std::string, std::string> cases[] = {
      {"{\\rtf1\\ansi\\ansicpg949 \\'c7\\'d1\\'b1\\'db}", "한글"},
      {"{\\rtf1\\ansi\\ansicpg949 " + escaped("도움말 보기") + "}", "도움말 보기"},
      {"{\\rtf1\\ansicpg949 " + text::fromUtf8("전화번호부") + "}", "전화번호부"},
      {"{\\rtf1\\ansicpg949 " + escaped("똠").substr(0, 4) + trail[1] + "x}", "똠x"},
      {"{\\rtf1\\ansicpg949 \\'c9\\'a1}", "\uE000"}, // the phone's symbols: private use area
      {"{\\rtf1\\ansicpg949 \\'c7 ok}", "\uFFFD ok"},
      {"{\\rtf1\\ansicpg949 ab\\'", "ab"},
      {"{\\rtf1\\ansicpg949 ab\\'4x", "abx"},
      {"{\\rtf1\\ansicpg1252 caf\\'e9}", "café"},
      {"{\\rtf1 \\u54620?\\u44544?}", "한글"},
      {"{\\rtf1\\uc2 \\u54620\\'c7\\'d1 x}", "한 x"},
      {"{\\rtf1\\uc0 \\u54620 x}", "한x"},
      {"{\\rtf1 \\u-10179?\\u-8704?}", "\U0001F600"},
      {"{\\rtf1 \\u-8704?a}", "\uFFFDa"},
      {"{\\rtf1 {\\uc3 \\u54620}abc}", "한abc"}, // a group end stops the fallback count
      {"{\\rtf1 a\\\\b\\{c\\}d\\~e\\tab f\\line g\\bullet\\emdash}", "a\\b{c}d\u00A0e\tf\ng\u2022\u2014"},
      {"{\\rtf1 a\r\nb\\-c}", "abc"},
      {"{\\rtf1\\ansi\\ansicpg949\\deff0{\\fonttbl{\\f0\\fcharset129 " + escaped("굴림") +
           ";}}{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}{\\*\\generator Writer;}"
           "{\\*\\unknown {nested} text}\\viewkind4\\foo123 body{\\pict\\bin4 {}}x}x}",
       "bodyx"}, // destinations and unknown words skipped
      {"", ""},
      {"plain text", "plain text"},
      {"}}}a{{{b", "ab"},
      {"{\\rtf1 a\\", "a"},
      {"{\\rtf1\\fs99999999999999999999 big}", "big"},
      {"{\\rtf1 \\bin999999 abc}", ""},
      {std::string(100000, '{') + "deep" + std::string(100000, '}') + "tail", "deeptail"},
  };
  for (const auto &[rtf, expected] : cases) {
    EXPECT_EQ(readRtf(rtf).plainText(), expected) << rtf.substr(0, 60);
  }
}

TEST(RtfStructure, ParagraphsAndAlignment) {
  const auto doc = readRtf("{\\rtf1\\pard\\qc\\sb120\\sa60 Title\\par\\pard\\li360 one\\par\\par two}");
  ASSERT_EQ(doc.paragraphs.size(), 4U);
  EXPECT_EQ(doc.paragraphs[0].plainText(), "Title");
  EXPECT_EQ(doc.paragraphs[0].alignment, RtfAlignment::Centre);
  EXPECT_EQ(doc.paragraphs[0].spaceBefore, 120);
  EXPECT_EQ(doc.paragraphs[0].spaceAfter, 60);
  EXPECT_EQ(doc.paragraphs[1].alignment, RtfAlignment::Left);
  EXPECT_EQ(doc.paragraphs[1].leftIndent, 360);
  EXPECT_TRUE(doc.paragraphs[2].runs.empty()); // a blank line is kept
  EXPECT_EQ(doc.paragraphs[3].plainText(), "two");
  EXPECT_EQ(doc.paragraphs[3].leftIndent, 360);
  EXPECT_EQ(readRtf("{\\rtf1 last\\par}").paragraphs.size(), 1U);
}

TEST(RtfStructure, CharacterFormattingIsScopedByGroups) {
  const auto doc = readRtf("{\\rtf1\\fs20 a{\\b\\i\\ul\\fs32 b}c\\b d\\b0\\ul e\\ulnone\\plain f}");
  const auto format = [](bool bold, bool italic, bool underline, int halfPoints) {
    RtfFormat f;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.halfPoints = halfPoints;
    return f;
  };
  const std::pair<std::string, RtfFormat> expected[] = {
      {"a", format(false, false, false, 20)}, {"b", format(true, true, true, 32)},
      {"c", format(false, false, false, 20)}, {"d", format(true, false, false, 20)},
      {"e", format(false, false, true, 20)},  {"f", RtfFormat{}},
  };
  const auto &runs = doc.paragraphs.at(0).runs;
  ASSERT_EQ(runs.size(), std::size(expected));
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].text, expected[i].first);
    EXPECT_EQ(runs[i].format, expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(readRtf("{\\rtf1\\fs99999999999 x}").paragraphs[0].runs[0].format.halfPoints, 2000);
}

TEST(RtfStructure, ColourTable) {
  const auto doc = readRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue300;}"
                           "\\cf1 r\\cf2 b\\cf0 d\\cf7 x\\cf-1 y}");
  const auto &runs = doc.paragraphs.at(0).runs;
  ASSERT_EQ(runs.size(), 3U);
  EXPECT_EQ(runs[0].format.colour, (RtfColour{255, 0, 0}));
  EXPECT_EQ(runs[1].format.colour, (RtfColour{0, 0, 255}));
  EXPECT_EQ(runs[2].text, "dxy");
  EXPECT_EQ(runs[2].format.colour, std::nullopt);
}

} // namespace
} // namespace pdx::winlib
