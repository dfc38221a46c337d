// An action kept until the program is idle: back from every exchange with
// the phone, and the window shown now enabled (no dialog, message box or
// wait over it). The condition is looked at each time the thread is about
// to sleep, so nothing polls, and the action runs from a posted call, never
// inside the code that asked for it.
#pragma once

#include <QObject>
#include <functional>

namespace pdx::pelodex {

class WhenIdle : public QObject {
public:
  // `idle` tells whether the program is idle now.
  explicit WhenIdle(std::function<bool()> idle);

  // Runs `action` once idle; replaces an action still kept.
  void run(std::function<void()> action);
  void cancel();
  bool pending() const { return static_cast<bool>(action_); }

private:
  void watch();
  void unwatch();
  void check();

  std::function<bool()> idle_;
  std::function<void()> action_;
  QMetaObject::Connection sleeping_;
  bool watching_ = false;
};

} // namespace pdx::pelodex
