#include "core/base/virtual_event_loop.h"

#include <gtest/gtest.h>
#include <vector>

namespace pdx {
namespace {

TEST(VirtualEventLoop, TimersFireInDueOrderAndRepeat) {
  VirtualEventLoop loop;
  std::vector<std::pair<long, char>> fired;
  loop.startTimer(Millis(300), false, [&] { fired.emplace_back(loop.now().count(), 'a'); });
  const auto rep = loop.startTimer(Millis(100), true, [&] { fired.emplace_back(loop.now().count(), 'r'); });
  loop.advance(Millis(350));
  loop.stopTimer(rep);
  loop.advance(Millis(1000));
  const std::vector<std::pair<long, char>> expected{{100, 'r'}, {200, 'r'}, {300, 'a'}, {300, 'r'}};
  EXPECT_EQ(fired, expected);
}

TEST(VirtualEventLoop, WaitEndsWhenDoneOrAtTheDeadlineWithoutRealTime) {
  VirtualEventLoop loop;
  bool flag = false;
  loop.startTimer(Millis(5000), false, [&] { flag = true; });
  EXPECT_TRUE(loop.waitFor([&] { return flag; }, Millis(60000)));
  EXPECT_EQ(loop.now(), Millis(5000));
  EXPECT_FALSE(loop.waitFor([] { return false; }, Millis(60000)));
  EXPECT_EQ(loop.now(), Millis(65000));
}

TEST(VirtualEventLoop, PostedCallsRunBeforeTimersAndMayNestWaits) {
  VirtualEventLoop loop;
  int inner = 0;
  loop.post([&] {
    loop.startTimer(Millis(10), false, [&] { inner = 1; });
    EXPECT_TRUE(loop.waitFor([&] { return inner == 1; }, Millis(100)));
    inner = 2;
  });
  EXPECT_TRUE(loop.waitFor([&] { return inner == 2; }, Millis(1000)));
  EXPECT_EQ(loop.now(), Millis(10));
}

} // namespace
} // namespace pdx
