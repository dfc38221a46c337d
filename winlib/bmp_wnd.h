// CBmpWnd: a frameless skinned window painted from its background bitmap.
// Derived windows draw their own texts over it in PaintText, with an
// 11-point 굴림 font on a transparent background already selected.
#pragma once

#include "winlib/mouse_move_wnd.h"

#include <QPixmap>

namespace pdx::winlib {

class CBmpWnd : public CMouseMoveWnd {
  Q_OBJECT

public:
  explicit CBmpWnd(QWidget *parent = nullptr);

  // Loads the background, sizes the window to it and makes the controls
  // (OnCreate), all before the window is shown. Without a parent the window
  // is a top-level popup. Returns false when the bitmap does not load: the
  // window then stays without a picture. Called once per window.
  bool Create(const QString &title, int bitmapId, QWidget *parent = nullptr);

  int BitmapId() const { return bitmapId_; }
  const QPixmap &Background() const { return background_; }

protected:
  void paintEvent(QPaintEvent *event) override;
  // The main window's close request goes to the application.
  void closeEvent(QCloseEvent *event) override;
  virtual void PaintText(QPainter &painter);
  // Makes the window's controls; runs at the end of Create, while the
  // window is still hidden, so every control shows with it.
  virtual void OnCreate() {}

private:
  int bitmapId_ = 0;
  QPixmap background_;
};

} // namespace pdx::winlib
