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

} // namespace
} // namespace pdx::resources
