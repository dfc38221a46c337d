#include "platform/event_loop/qt_event_loop.h"

#include "platform/event_loop/system_clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace pdx::platform {

QtEventLoop::QtEventLoop() {
  clock_.start();
}

QtEventLoop::~QtEventLoop() = default;

Millis QtEventLoop::now() const {
  return Millis(clock_.elapsed());
}

int64_t QtEventLoop::utcSeconds() const {
  return SystemClock().utcSeconds();
}

EventLoop::TimerId QtEventLoop::startTimer(Millis interval, bool repeat, std::function<void()> callback) {
  const TimerId id = nextId_++;
  auto timer = std::make_unique<QTimer>();
  timer->setTimerType(Qt::PreciseTimer);
  timer->setSingleShot(!repeat);
  timer->setInterval(static_cast<int>(interval.count()));
  QObject::connect(timer.get(), &QTimer::timeout, [this, id, repeat, callback = std::move(callback)] {
    if (!repeat) {
      stopTimer(id);
    }
    callback();
  });
  timer->start();
  timers_[id] = std::move(timer);
  return id;
}

void QtEventLoop::stopTimer(TimerId id) {
  const auto it = timers_.find(id);
  if (it != timers_.end()) {
    it->second->stop();
    // Deleting a timer from inside its own signal is unsafe; let Qt do it.
    it->second.release()->deleteLater();
    timers_.erase(it);
  }
}

void QtEventLoop::post(std::function<void()> callback) {
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(callback), Qt::QueuedConnection);
}

bool QtEventLoop::waitFor(const std::function<bool()> &done, Millis timeout) {
  if (done()) {
    return true;
  }
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  deadline.start(static_cast<int>(timeout.count()));
  while (!done() && deadline.isActive()) {
    loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  }
  return done();
}

} // namespace pdx::platform
