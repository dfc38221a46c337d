#include "platform/event_loop/testing/qt_loop_test.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace pdx::platform {
namespace {

using QtEventLoopTest = testing::QtLoopTest;

TEST_F(QtEventLoopTest, WaitEndsWhenATimerSetsTheCondition) {
  bool flag = false;
  const Millis start = loop.now();
  loop.startTimer(Millis(30), false, [&] { flag = true; });
  EXPECT_TRUE(loop.waitFor([&] { return flag; }, Millis(5000)));
  EXPECT_GE((loop.now() - start).count(), 25);
}

TEST_F(QtEventLoopTest, WaitTimesOut) {
  const Millis start = loop.now();
  EXPECT_FALSE(loop.waitFor([] { return false; }, Millis(50)));
  EXPECT_GE((loop.now() - start).count(), 45);
}

TEST_F(QtEventLoopTest, PostFromAnotherThreadWakesTheWait) {
  std::atomic<bool> flag = false;
  std::thread worker([&] { loop.post([&] { flag = true; }); });
  EXPECT_TRUE(loop.waitFor([&] { return flag.load(); }, Millis(5000)));
  worker.join();
}

TEST_F(QtEventLoopTest, StoppedAndRepeatingTimers) {
  int count = 0;
  const auto rep = loop.startTimer(Millis(5), true, [&] { ++count; });
  EXPECT_TRUE(loop.waitFor([&] { return count >= 3; }, Millis(5000)));
  loop.stopTimer(rep);
  const int seen = count;
  EXPECT_FALSE(loop.waitFor([] { return false; }, Millis(30)));
  EXPECT_EQ(count, seen);
}

} // namespace
} // namespace pdx::platform
