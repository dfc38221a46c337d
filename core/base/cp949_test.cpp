#include "core/base/cp949.h"
#include "core/base/fixed_text.h"

#include <gtest/gtest.h>

namespace pdx::text {
namespace {

const std::string kHongGildong = "\xC8\xAB\xB1\xE6\xB5\xBF"; // 홍길동

TEST(Cp949Conversion, HangulRoundTrips) {
  EXPECT_EQ(toUtf8(kHongGildong), "홍길동");
  EXPECT_EQ(fromUtf8("홍길동"), kHongGildong);
  EXPECT_EQ(toUtf8("Kim 010-1234"), "Kim 010-1234");
  EXPECT_EQ(fromUtf8(toUtf8("\xB9\xE9\xC1\xA6 A1")), "\xB9\xE9\xC1\xA6 A1");
}

TEST(Cp949Conversion, UserDefinedRowsMapToPrivateUseArea) {
  EXPECT_EQ(toUtf8("\xC9\xA1"), "\uE000");
  EXPECT_EQ(toUtf8("\xC9\xFE"), "\uE05D");
  EXPECT_EQ(toUtf8("\xFE\xA1"), "\uE05E");
  EXPECT_EQ(toUtf8("\xFE\xFE"), "\uE0BB");
  for (int lead : {0xC9, 0xFE}) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_EQ(fromUtf8(toUtf8(bytes)), bytes) << lead << " " << trail;
    }
  }
}

TEST(Cp949Conversion, InvalidBytesKeepTheRestOfTheText) {
  // A lead byte followed by a byte that cannot trail it, and a lone lead
  // byte at the end.
  const std::string utf8 = toUtf8(std::string("\x81\x20") + kHongGildong + "\xB0");
  EXPECT_NE(utf8.find("홍길동"), std::string::npos);
  EXPECT_NE(utf8.find("\uFFFD"), std::string::npos);
}

TEST(Cp949Conversion, UnmappableAndInvalidUtf8BecomeQuestionMarks) {
  EXPECT_EQ(fromUtf8("a\xF0\x9F\x98\x80"
                     "b"),
            "a?b"); // an emoji
  EXPECT_EQ(fromUtf8("a\xFF"
                     "b"),
            "a?b");
  EXPECT_EQ(fromUtf8(""), "");
}

TEST(Cp949Conversion, InvalidUtf8IsEscaped) {
  EXPECT_EQ(escapeInvalidUtf8("a\xC3"
                              "A\xFF\xED\xA0\x80홍\xC3\xBB"),
            "a\\xC3A\\xFF\\xED\\xA0\\x80홍\xC3\xBB"); // a surrogate is invalid; û is kept
  EXPECT_EQ(escapeInvalidUtf8("청첩 \xE2\x82"), "청첩 \\xE2\\x82");
}

TEST(Cp949Fields, CutWholeKeepsDoubleByteCharactersIntact) {
  // 11 ASCII bytes then a two-byte character: the 12th byte is a lead byte.
  const std::string name = "abcdefghijk" + kHongGildong.substr(0, 2);
  EXPECT_EQ(cutWhole(name, 12), 11u);
  EXPECT_EQ(cutWhole(kHongGildong, 5), 4u);
  EXPECT_EQ(cutWhole(kHongGildong, 6), 6u);
  EXPECT_EQ(cutBytes(kHongGildong, 5), 5u);
  EXPECT_EQ(withoutDanglingLead(kHongGildong.substr(0, 5)), 4u);
  EXPECT_EQ(withoutDanglingLead("ab"), 2u);
}

TEST(Cp949Fields, FixedTextCutsAndTerminates) {
  FixedText<12> group;
  group.setWhole("abcdefghijk" + kHongGildong);
  EXPECT_EQ(group.view(), "abcdefghijk");
  FixedText<16> name;
  name.set("0123456789abcdefXYZ");
  EXPECT_EQ(name.view(), "0123456789abcdef");
  name.set(kHongGildong.substr(0, 5));
  name.dropDanglingLead();
  EXPECT_EQ(name.view(), kHongGildong.substr(0, 4));
  EXPECT_EQ(name.utf8(), "홍길");
}

TEST(Cp949Fields, ComparisonIsUnsignedAndSearchRespectsCharacters) {
  EXPECT_LT(compareBytes("z", "\xB0\xA1"), 0);
  EXPECT_LT(compareBytes("ab", "abc"), 0);
  EXPECT_EQ(compareBytes("", ""), 0);
  // "\xB1\xE6" (길) appears as bytes across the boundary of "\xC8\xAB\xB1"
  // only at a character start here; a match inside a character is refused.
  EXPECT_EQ(findText(kHongGildong, "\xB1\xE6"), 2u);
  EXPECT_EQ(findText("\xB0\xB0\xB0\xB0", "\xB0\xB0"), 0u);
  EXPECT_EQ(findText("a\xB0\xB0\xB0", "\xB0\xB0"), 1u);
  EXPECT_EQ(findText("\xC8\xAB\xB1", "\xAB\xB1"), std::string_view::npos);
  EXPECT_EQ(findText("abc", ""), 0u);
}

} // namespace
} // namespace pdx::text
