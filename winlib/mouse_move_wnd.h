// CMouseMoveWnd: a window that the user drags by its background. Pressing the
// left button on the window's own surface (not on a child control) grabs it;
// moving keeps the grabbed point under the pointer; releasing ends the drag.
#pragma once

#include "winlib/command_target.h"

#include <QPoint>
#include <QWidget>

namespace pdx::winlib {

class CMouseMoveWnd : public QWidget, public CommandTarget {
  Q_OBJECT

public:
  explicit CMouseMoveWnd(QWidget *parent = nullptr);

  // Commands of child controls arrive here; the default announces them.
  void OnCommand(int id, int code) override;

  bool IsDragging() const { return dragging_; }

Q_SIGNALS:
  void command(int id, int code);

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  bool dragging_ = false;
  QPoint grabOffset_;
};

} // namespace pdx::winlib
