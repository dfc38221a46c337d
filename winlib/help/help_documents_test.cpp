// The compiled help documents: each topic is code page 949 RTF that reads
// back to its text (Korean, or the English beside it) under the title its
// window expects.
#include "resources/help/help_tables.h"
#include "winlib/help/help_topics.h"
#include "winlib/help/rtf_reader.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace pdx::winlib {
namespace {

using Titles = std::map<int, std::pair<std::string, std::string>>; // Korean, English

void expectTopics(std::span<const resources::HelpTopic> topics, const Titles &titles, bool english) {
  ASSERT_EQ(topics.size(), titles.size());
  for (const auto &topic : topics) {
    SCOPED_TRACE(topic.number);
    ASSERT_TRUE(titles.contains(topic.number));
    EXPECT_NE(topic.rtf.find("\\ansicpg949"), std::string_view::npos);
    EXPECT_TRUE(std::ranges::all_of(topic.rtf, [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    const auto document = readRtf(topic.rtf);
    ASSERT_GE(document.paragraphs.size(), 8U);
    const auto &title = titles.at(topic.number);
    EXPECT_EQ(document.paragraphs[0].plainText(), english ? title.second : title.first);
    EXPECT_EQ(document.paragraphs[0].alignment, winlib::RtfAlignment::Centre);
    const std::string text = document.plainText();
    EXPECT_EQ(text.find("\uFFFD"), std::string::npos);
    EXPECT_EQ(text.find('\\'), std::string::npos) << "an RTF control word leaked into the text";
    EXPECT_GT(text.size(), 800U);
  }
}

TEST(HelpDocuments, EveryProgramsTopicsInBothLanguages) {
  using Table = std::span<const resources::HelpTopic> (*)(platform::Language);
  const std::pair<Table, Titles> programs[] = {
      {resources::pelodexHelpTopics,
       {{2100, {"Pelodex 도움말", "Pelodex Help"}},
        {2101, {"로그온", "Log on"}},
        {2102, {"문자 메시지 확인", "Received messages"}},
        {2103, {"문자 메시지 발신", "Sending messages"}},
        {2106, {"다이어리 전화번호부", "Diary phonebook"}},
        {2107, {"단축 다이얼", "Speed dials"}},
        {2108, {"나만의 멜로디 지정", "My melodies"}},
        {2109, {"애니메이션 지정", "Animations"}},
        {2110, {"알람 지정", "Alarms"}}}},
      {resources::carrowinHelpTopics, {{2112, {"멜로디 편집기 도움말", "Melody Editor Help"}}}},
      {resources::vellutoHelpTopics, {{2113, {"애니메이션 편집기 도움말", "Animation Editor Help"}}}},
  };
  for (const auto &[table, titles] : programs) {
    expectTopics(table(platform::Language::Korean), titles, false);
    expectTopics(table(platform::Language::English), titles, true);
  }
}

} // namespace
} // namespace pdx::winlib
