#include "core/base/phone_number.h"

#include <gtest/gtest.h>

namespace pdx::text {
namespace {

TEST(PhoneNumber, DialledAsInKorea) {
  const std::pair<const char *, const char *> cases[] = {{"+82 10 1234 5678", "010-1234-5678"},
                                                         {"+821012345678", "01012345678"},
                                                         {"(02) 123.4567", "02-123-4567"},
                                                         {"*23#", "*23#"},
                                                         {"+1 555 0100", nullptr},
                                                         {"010-12 ext 3", nullptr}};
  for (const auto &[written, dialled] : cases) {
    const std::optional<std::string> got = dialledNumber(written);
    EXPECT_EQ(got.value_or("(none)"), dialled ? dialled : "(none)") << written;
  }
}

} // namespace
} // namespace pdx::text
