#include "core/base/user_text.h"

#include <gtest/gtest.h>

namespace pdx::text {
namespace {

std::string englishOnlyForGreeting(const char *context, const char *source) {
  return std::string_view(context) == "Test" && std::string_view(source) == "안녕" ? "Hello" : "";
}

TEST(UserText, LookupFallsBackToTheSource) {
  EXPECT_EQ(translate("Test", "안녕"), "안녕");
  setLookup(&englishOnlyForGreeting);
  EXPECT_EQ(translate("Test", "안녕"), "Hello");
  EXPECT_EQ(translate("Test", "잘 가"), "잘 가");
  const char *kept = translateLiteral("Test", "안녕");
  EXPECT_STREQ(kept, "Hello");
  EXPECT_EQ(translateLiteral("Test", "안녕"), kept); // the same text, still valid
  setLookup(nullptr);
  EXPECT_EQ(translate("Test", "안녕"), "안녕");
}

TEST(UserText, FillPlacesValuesWhereThePatternSays) {
  struct Case {
    std::string pattern;
    std::string expected;
  } cases[] = {
      {"%1번 칸에 %2", "3번 칸에 홍길동"},
      {"%2 at slot %1", "홍길동 at slot 3"},
      {"100% 완료 %3", "100% 완료 %3"}, // a lone % and a missing value stay as written
      {"끝%", "끝%"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(fill(c.pattern, {"3", "홍길동"}), c.expected) << c.pattern;
  }
}

} // namespace
} // namespace pdx::text
