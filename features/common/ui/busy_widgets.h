// What a page does while it waits for the phone.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace pdx::features {

// Runs exchanges under the wait cursor with a set of widgets disabled;
// those that were enabled before are enabled again afterwards.
class BusyWidgets {
public:
  void set(std::vector<QWidget *> widgets) { widgets_.assign(widgets.begin(), widgets.end()); }
  bool busy() const { return busy_; }
  bool run(const std::function<bool()> &exchange);

private:
  std::vector<QPointer<QWidget>> widgets_;
  bool busy_ = false;
};

} // namespace pdx::features
