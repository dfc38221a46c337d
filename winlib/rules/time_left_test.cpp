#include "winlib/rules/time_left.h"

#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

TEST(TimeLeft, FollowsThePaceSoFarAndSaysNothingWithoutOne) {
  const struct {
    int done;
    int total;
    int64_t elapsedMs;
    const char *text;
  } cases[] = {
      {0, 200, 500, ""},                    // no pace yet
      {200, 200, 30000, ""},                // finished
      {37, 200, 7400, "남은 시간 약 33초"}, // 200 ms a record: 32.6 s
      {1, 200, 150, "남은 시간 약 30초"},   // 29.85 s
      {10, 200, 5000, "남은 시간 약 1분 35초"},
      {199, 200, 59700, "남은 시간 약 1초"}, // 300 ms
      {5, 0, 100, ""},                       // nothing announced
  };
  for (const auto &c : cases) {
    EXPECT_EQ(timeLeftText(c.done, c.total, c.elapsedMs), c.text) << c.done << "/" << c.total;
  }
}

} // namespace
} // namespace pdx::winlib
