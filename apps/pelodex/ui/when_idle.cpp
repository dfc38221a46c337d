#include "apps/pelodex/ui/when_idle.h"

#include <QAbstractEventDispatcher>
#include <QTimer>
#include <utility>

namespace pdx::pelodex {

WhenIdle::WhenIdle(std::function<bool()> idle) : idle_(std::move(idle)) {}

void WhenIdle::run(std::function<void()> action) {
  action_ = std::move(action);
  QTimer::singleShot(0, this, [this] { check(); });
}

void WhenIdle::cancel() {
  action_ = nullptr;
  unwatch();
}

void WhenIdle::watch() {
  if (watching_) {
    return;
  }
  watching_ = true;
  sleeping_ =
      connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (idle_()) {
          unwatch();
          QTimer::singleShot(0, this, [this] { check(); });
        }
      });
}

void WhenIdle::unwatch() {
  if (std::exchange(watching_, false)) {
    QObject::disconnect(sleeping_);
  }
}

void WhenIdle::check() {
  if (!action_) {
    return;
  }
  if (!idle_()) {
    watch();
    return;
  }
  unwatch();
  const std::function<void()> action = std::exchange(action_, nullptr);
  action();
}

} // namespace pdx::pelodex
