#include "platform/event_loop/qt_event_loop.h"

#include <QCoreApplication>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace pdx::platform {
namespace {

class QtEventLoopTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
  }
  QtEventLoop loop_;
};

TEST_F(QtEventLoopTest, WaitEndsWhenATimerSetsTheCondition) {
  bool flag = false;
  const Millis start = loop_.now();
  loop_.startTimer(Millis(30), false, [&] { flag = true; });
  EXPECT_TRUE(loop_.waitFor([&] { return flag; }, Millis(5000)));
  EXPECT_GE((loop_.now() - start).count(), 25);
}

TEST_F(QtEventLoopTest, WaitTimesOut) {
  const Millis start = loop_.now();
  EXPECT_FALSE(loop_.waitFor([] { return false; }, Millis(50)));
  EXPECT_GE((loop_.now() - start).count(), 45);
}

TEST_F(QtEventLoopTest, PostFromAnotherThreadWakesTheWait) {
  std::atomic<bool> flag = false;
  std::thread worker([&] { loop_.post([&] { flag = true; }); });
  EXPECT_TRUE(loop_.waitFor([&] { return flag.load(); }, Millis(5000)));
  worker.join();
}

TEST_F(QtEventLoopTest, StoppedAndRepeatingTimers) {
  int count = 0;
  const auto rep = loop_.startTimer(Millis(5), true, [&] { ++count; });
  EXPECT_TRUE(loop_.waitFor([&] { return count >= 3; }, Millis(5000)));
  loop_.stopTimer(rep);
  const int seen = count;
  EXPECT_FALSE(loop_.waitFor([] { return false; }, Millis(30)));
  EXPECT_EQ(count, seen);
}

} // namespace
} // namespace pdx::platform
