// The frame of tests that run on the Qt event loop: the application object
// the loop needs, one per process, and the loop itself.
#pragma once

#include "platform/event_loop/qt_event_loop.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace pdx::platform::testing {

class QtLoopTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
  }

  QtEventLoop loop;
};

} // namespace pdx::platform::testing
