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

void expectTopics(std::span<const resources::HelpTopic> topics, const std::map<int, std::string> &titles) {
  ASSERT_EQ(topics.size(), titles.size());
  for (const auto &topic : topics) {
    SCOPED_TRACE(topic.number);
    ASSERT_TRUE(titles.contains(topic.number));
    EXPECT_NE(topic.rtf.find("\\ansicpg949"), std::string_view::npos);
    EXPECT_TRUE(std::ranges::all_of(topic.rtf, [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    const auto document = readRtf(topic.rtf);
    ASSERT_GE(document.paragraphs.size(), 8U);
    EXPECT_EQ(document.paragraphs[0].plainText(), titles.at(topic.number));
    EXPECT_EQ(document.paragraphs[0].alignment, winlib::RtfAlignment::Centre);
    const std::string text = document.plainText();
    EXPECT_EQ(text.find("\uFFFD"), std::string::npos);
    EXPECT_EQ(text.find('\\'), std::string::npos) << "an RTF control word leaked into the text";
    EXPECT_GT(text.size(), 800U);
  }
}

TEST(HelpDocuments, PelodexTopics) {
  expectTopics(resources::pelodexHelpTopics(), {{2100, "Pelodex 도움말"},
                                                {2101, "로그온"},
                                                {2102, "문자 메시지 확인"},
                                                {2103, "문자 메시지 발신"},
                                                {2106, "다이어리 전화번호부"},
                                                {2107, "단축 다이얼"},
                                                {2108, "나만의 멜로디 지정"},
                                                {2109, "애니메이션 지정"},
                                                {2110, "알람 지정"}});
}

TEST(HelpDocuments, EditorTopics) {
  expectTopics(resources::carrowinHelpTopics(), {{2112, "멜로디 편집기 도움말"}});
  expectTopics(resources::vellutoHelpTopics(), {{2113, "애니메이션 편집기 도움말"}});
}

TEST(HelpDocuments, EnglishTopicsMatchTheKoreanOnes) {
  using resources::HelpTopic;
  using Table = std::span<const HelpTopic> (*)(platform::Language);
  const std::map<int, std::string> titles = {{2100, "Pelodex Help"},
                                             {2101, "Log on"},
                                             {2102, "Received messages"},
                                             {2103, "Sending messages"},
                                             {2106, "Diary phonebook"},
                                             {2107, "Speed dials"},
                                             {2108, "My melodies"},
                                             {2109, "Animations"},
                                             {2110, "Alarms"},
                                             {2112, "Melody Editor Help"},
                                             {2113, "Animation Editor Help"}};
  for (const Table table : {Table{resources::pelodexHelpTopics}, Table{resources::carrowinHelpTopics},
                            Table{resources::vellutoHelpTopics}}) {
    std::map<int, std::string> expected;
    for (const HelpTopic &topic : table(platform::Language::Korean)) {
      expected[topic.number] = titles.at(topic.number);
    }
    expectTopics(table(platform::Language::English), expected);
  }
}

} // namespace
} // namespace pdx::winlib
