#include "winlib/help/help_topics.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace pdx::winlib {
namespace {

const std::string kLong(10000, 'x');
const std::array<HelpTopic, 2> kTopics = {{{2100, "{\\rtf1 overview}"}, {2101, kLong}}};

class HelpTopics : public testing::Test {
protected:
  void SetUp() override { setHelpTopics(kTopics); }
  void TearDown() override { setHelpTopics({}); }
};

TEST_F(HelpTopics, FindsTopicsByNumber) {
  EXPECT_EQ(findHelpTopic(2100), "{\\rtf1 overview}");
  EXPECT_EQ(findHelpTopic(2111), "");
  TopicStream missing(2111);
  std::array<char, 16> buffer{};
  EXPECT_FALSE(missing.found());
  EXPECT_EQ(missing.read(buffer), 0U);
  setHelpTopics({});
  EXPECT_EQ(findHelpTopic(2100), "");
}

TEST_F(HelpTopics, LargeTopicArrivesWholeOverSeveralReads) {
  TopicStream stream(2101);
  ASSERT_TRUE(stream.found());
  std::array<char, 4096> buffer{};
  std::string received;
  int calls = 0;
  while (const size_t count = stream.read(buffer)) {
    received.append(buffer.data(), count);
    ++calls;
  }
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(received, kLong);
  EXPECT_EQ(stream.read(buffer), 0U);
}

} // namespace
} // namespace pdx::winlib
