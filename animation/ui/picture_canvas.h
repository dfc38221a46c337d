// CPictureCanvas: the drawing canvas of the animation editor (control 4700).
// It shows the current picture three times enlarged in a black frame, turns
// mouse events into the canvas model's phases, draws the selection as two
// nested grey XOR rectangles, runs the spray timer and asks for the text of
// the text tool. Its window hears of changes through CanvasOwner.
#pragma once

#include "animation/file/random_source.h"
#include "animation/picture/canvas_model.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

namespace pdx::animation {

class CPictureCanvas : public QWidget, private CanvasOwner {
  Q_OBJECT

public:
  static constexpr int kControlId = 4700;
  static constexpr int kSprayTimerMs = 250;

  // `owner` hears of every change; it must outlive the canvas.
  CPictureCanvas(QWidget *parent, CanvasOwner &owner, RandomSource &random);

  CanvasModel &Model() { return model_; }
  void SetPicture(CAnimation *picture);
  // The text of the text tool; without one the dialog asks for it.
  using TextSource = std::function<std::optional<std::pair<QString, QFont>>(bool blackInk)>;
  void SetTextSource(TextSource source) { textSource_ = std::move(source); }
  // The block the text tool lays: `text` in `font` (height in picture
  // pixels), ink on the text background, clipped to `size`.
  static Block RenderText(const QString &text, const QFont &font, int width, int height, bool blackInk);

  QPoint Origin() const;
  // The canvas position of a picture pixel's top-left corner.
  QPoint CanvasPointOf(Point pixel) const;

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void leaveEvent(QEvent *event) override;

private:
  // CanvasOwner: handed on to the window, with the canvas's own work.
  void stopPreview() override { owner_.stopPreview(); }
  void pictureChanged() override;
  void changeFinished() override { owner_.changeFinished(); }
  void startSprayTimer() override { sprayTimer_.start(); }
  void stopSprayTimer() override { sprayTimer_.stop(); }
  void textBoxChosen(Rect box) override;
  void toolChanged(Tool tool) override { owner_.toolChanged(tool); }
  void pointerMoved(Point pixel) override;

  Point pixelAt(QPointF position) const;

  CanvasOwner &owner_;
  CanvasModel model_;
  CAnimation *picture_ = nullptr;
  QTimer sprayTimer_;
  TextSource textSource_;
  bool overPicture_ = false;
};

} // namespace pdx::animation
