#include "winlib/bmp_wnd.h"

#include "resources/fonts.h"
#include "resources/resource_store.h"
#include "winlib/access/accessibility.h"
#include "winlib/bmp_wnd_based_app.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace pdx::winlib {

CBmpWnd::CBmpWnd(QWidget *parent) : CMouseMoveWnd(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
  InstallAccessibility();
}

bool CBmpWnd::Create(const QString &title, int bitmapId, QWidget *parent) {
  if (parent) {
    setParent(parent);
  }
  setWindowFlags(parentWidget() ? Qt::Widget : (Qt::Window | Qt::FramelessWindowHint));
  setWindowTitle(title);
  bitmapId_ = bitmapId;
  // Assistive technology names the page by its own title, not the program's.
  if (accessibleName().isEmpty()) {
    setAccessibleName(ResourceName(bitmapId).isEmpty() ? title : ResourceName(bitmapId));
  }
  background_ = resources::ResourceStore::instance().pixmap(bitmapId);
  const bool loaded = !background_.isNull();
  if (loaded) {
    setFixedSize(background_.size());
  }
  OnCreate();
  return loaded;
}

void CBmpWnd::paintEvent(QPaintEvent *event) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(event->rect(), Qt::white);
  } else {
    painter.drawPixmap(event->rect(), background_, event->rect());
  }
  painter.setFont(resources::font(QStringLiteral("굴림"), 11));
  painter.setBackgroundMode(Qt::TransparentMode);
  PaintText(painter);
}

void CBmpWnd::closeEvent(QCloseEvent *event) {
  CBmpWndBasedApp *app = CBmpWndBasedApp::Instance();
  if (!app || app->MainWindow() != this) {
    CMouseMoveWnd::closeEvent(event);
    return;
  }
  // The exit command may destroy this window; it runs after this event.
  event->ignore();
  QTimer::singleShot(0, app->OwnerWindow(), [app] { app->RequestClose(); });
}

void CBmpWnd::PaintText(QPainter &) {}

} // namespace pdx::winlib
