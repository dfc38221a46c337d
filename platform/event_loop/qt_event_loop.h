// The event loop of a program: Qt's, so that waits keep the windows
// responsive. Needs a QCoreApplication (or QApplication) to exist.
#pragma once

#include "core/base/event_loop.h"

#include <QElapsedTimer>
#include <map>
#include <memory>

class QTimer;

namespace pdx::platform {

class QtEventLoop : public EventLoop {
public:
  QtEventLoop();
  ~QtEventLoop() override;

  Millis now() const override;
  int64_t utcSeconds() const override;
  TimerId startTimer(Millis interval, bool repeat, std::function<void()> callback) override;
  void stopTimer(TimerId id) override;
  void post(std::function<void()> callback) override;
  bool waitFor(const std::function<bool()> &done, Millis timeout) override;

private:
  QElapsedTimer clock_;
  TimerId nextId_ = 1;
  std::map<TimerId, std::unique_ptr<QTimer>> timers_;
};

} // namespace pdx::platform
