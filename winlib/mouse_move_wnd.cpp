#include "winlib/mouse_move_wnd.h"

#include <QMouseEvent>

namespace pdx::winlib {

CMouseMoveWnd::CMouseMoveWnd(QWidget *parent) : QWidget(parent) {}

void CMouseMoveWnd::OnCommand(int id, int code) {
  Q_EMIT command(id, code);
}

void CMouseMoveWnd::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  grabOffset_ = event->position().toPoint();
  grabMouse();
}

void CMouseMoveWnd::mouseMoveEvent(QMouseEvent *event) {
  if (!dragging_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  // A child window moves in its parent's coordinates, a top-level window on
  // the screen.
  const QPoint global = event->globalPosition().toPoint();
  const QPoint target =
      isWindow() ? global - grabOffset_ : parentWidget()->mapFromGlobal(global) - grabOffset_;
  move(target);
}

void CMouseMoveWnd::mouseReleaseEvent(QMouseEvent *event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    releaseMouse();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

} // namespace pdx::winlib
