#include "core/base/date_text.h"
#include "resources/translations/translation.h"

#include <gtest/gtest.h>

namespace pdx::resources {
namespace {

// The built-in translation is found without an application object, and a
// text it lacks stays in Korean.
TEST(TranslationTest, EnglishComesFromTheBuiltInTranslation) {
  EXPECT_EQ(translateUtf8("pdx::cli::Usage", "가상 휴대폰"), "가상 휴대폰");
  useLanguage(platform::Language::English);
  EXPECT_EQ(translateUtf8("pdx::cli::Usage", "가상 휴대폰"), "the simulated phone");
  EXPECT_EQ(translateUtf8("pdx::cli::Usage", "없는 글"), "없는 글");
  useLanguage(platform::Language::Korean);
  EXPECT_EQ(translateUtf8("pdx::cli::Usage", "가상 휴대폰"), "가상 휴대폰");
}

// The English date patterns use the fields the Korean ones are given: the
// month's name, the 12-hour clock and a two-digit minute.
TEST(TranslationTest, EnglishDatesAndTimes) {
  useLanguage(platform::Language::English);
  EXPECT_EQ(text::dateTimeText({2026, 12, 7, 14, 5}, 14), "Dec 7, 2026 2:05 PM");
  EXPECT_EQ(text::dateTimeText({2027, 1, 1, 0, 30}, 12), "Jan 1, 2027 12:30 AM");
  EXPECT_EQ(text::monthDayText(4, 9), "Apr 9");
  EXPECT_EQ(text::clockText(12, 0), "12:00 PM");
  EXPECT_EQ(text::weekdayText(3), "Wednesday");
  useLanguage(platform::Language::Korean);
}

} // namespace
} // namespace pdx::resources
