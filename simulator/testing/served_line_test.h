// The frame of the tests that serve a simulated line from a thread of its
// own to the program side's real port and loop.
#pragma once

#include "platform/event_loop/testing/qt_loop_test.h"

#include <atomic>
#include <functional>
#include <thread>

namespace pdx::simulator::testing {

class ServedLineTest : public platform::testing::QtLoopTest {
protected:
  ~ServedLineTest() override { stopServing(); }

  // Runs the simulator's `run` on a thread of its own until stopServing.
  void serve(std::function<void(const std::atomic<bool> &stop)> run) {
    server_ = std::thread([this, run = std::move(run)] { run(stop_); });
  }
  // Ends the simulator's thread; the program side closes its port first.
  void stopServing() {
    stop_ = true;
    if (server_.joinable()) {
      server_.join();
    }
  }

private:
  std::atomic<bool> stop_{false};
  std::thread server_;
};

} // namespace pdx::simulator::testing
