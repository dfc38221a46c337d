#include "core/base/cp949.h"
#include "core/base/hangul_search.h"

#include <gtest/gtest.h>

namespace pdx::text {
namespace {

struct Case {
  const char *name;  // UTF-8, converted to code page 949 as records hold it
  const char *query; // UTF-8
  bool found;
};

class NameMatchTest : public ::testing::TestWithParam<Case> {};

TEST_P(NameMatchTest, FindsByTheRuleOfItsQuery) {
  const Case &c = GetParam();
  EXPECT_EQ(nameMatches(fromUtf8(c.name), fromUtf8(c.query)), c.found) << c.name << " / " << c.query;
}

INSTANTIATE_TEST_SUITE_P(Initials, NameMatchTest,
                         ::testing::Values(Case{"홍길동", "ㅎㄱㄷ", true}, Case{"홍길동", "ㄱㄷ", true},
                                           Case{"홍길동", "ㅎㄷ", false}, Case{"홍길동", "ㄷㄱ", false},
                                           Case{"홍길동", "ㅎㄱㄷㄹ", false}, Case{"김쌍둥", "ㄲ", false},
                                           Case{"꼬마 쌍둥이", "ㄲㅁㅆ", true}, Case{"꼬마", "ㄱ", false},
                                           // Other characters are passed over, never matched.
                                           Case{"홍 길-동", "ㅎㄱㄷ", true}, Case{"A홍B길", "ㅎㄱ", true},
                                           Case{"Kim", "ㄱ", false},
                                           // A cluster letter an input method made of two consonants.
                                           Case{"박수진", "ㅄ", true}, Case{"값", "ㅄ", false},
                                           Case{"김수", "ㄳ", true},
                                           // Syllables mixed with letters go syllable by syllable.
                                           Case{"홍길동", "홍ㄱ", true}, Case{"홍길동", "ㄱ동", true},
                                           Case{"홍길동", "홍ㄷ", false}, Case{"홍길동", "길ㄱ", false}));

INSTANTIATE_TEST_SUITE_P(OrdinaryQueries, NameMatchTest,
                         ::testing::Values(Case{"홍길동", "길동", true}, Case{"홍길동", "동길", false},
                                           Case{"홍길동", "", true}, Case{"Kim Lee", "m L", true},
                                           Case{"Kim Lee", "kim", false},
                                           // A cluster letter only ends syllables: the plain rule.
                                           Case{"값", "ㅄ", false},
                                           // A blank or a Latin letter makes the query ordinary.
                                           Case{"홍길동", "ㅎ ㄱ", false}, Case{"ㅎ ㄱ", "ㅎ ㄱ", true},
                                           Case{"홍길동a", "ㄷa", false}));

} // namespace
} // namespace pdx::text
