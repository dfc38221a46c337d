#include "animation/ui/picture_canvas.h"

#include "animation/picture/canvas_geometry.h"
#include "animation/ui/picture_image.h"
#include "winlib/access/accessibility.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace pdx::animation {

namespace {

constexpr int kScaledWidth = CMonoPicture::kWidth * kCanvasScale;
constexpr int kScaledHeight = CMonoPicture::kHeight * kCanvasScale;

} // namespace

CPictureCanvas::CPictureCanvas(QWidget *parent, CanvasOwner &owner, RandomSource &random)
    : QWidget(parent), owner_(owner), model_(*this, random) {
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  winlib::SetAccessibleRole(this, QAccessible::Canvas);
  setAccessibleName(QCoreApplication::translate("pdx::animation::ui", "그림"));
  sprayTimer_.setInterval(kSprayTimerMs);
  connect(&sprayTimer_, &QTimer::timeout, this, [this] { model_.Timer(); });
}

void CPictureCanvas::SetPicture(CAnimation *picture) {
  sprayTimer_.stop();
  picture_ = picture;
  model_.SetPicture(picture);
  update();
}

QPoint CPictureCanvas::Origin() const {
  const Point origin = canvasOrigin(width(), height());
  return {origin.x, origin.y};
}

QPoint CPictureCanvas::CanvasPointOf(Point pixel) const {
  return Origin() + QPoint(pixel.x * kCanvasScale, pixel.y * kCanvasScale);
}

Point CPictureCanvas::pixelAt(QPointF position) const {
  const QPoint origin = Origin();
  return pictureOf({position.toPoint().x(), position.toPoint().y()}, {origin.x(), origin.y()});
}

void CPictureCanvas::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QPoint origin = Origin();
  painter.setPen(Qt::black);
  painter.drawRect(origin.x() - 1, origin.y() - 1, kScaledWidth + 1, kScaledHeight + 1);
  if (picture_ == nullptr) {
    return;
  }
  painter.drawImage(QRect(origin, QSize(kScaledWidth, kScaledHeight)), pictureImage(*picture_));
  if (const auto selection = model_.selection()) {
    // Two nested outlines in XOR, so that they show on black and white.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QColor(128, 128, 128));
    const QPoint a = CanvasPointOf({selection->left, selection->top});
    const QPoint b = CanvasPointOf({selection->right, selection->bottom});
    const QRect outer(a, b - QPoint(1, 1));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    if (outer.width() > 2 && outer.height() > 2) {
      painter.drawRect(outer.adjusted(1, 1, -2, -2));
    }
  }
}

void CPictureCanvas::mousePressEvent(QMouseEvent *event) {
  const bool left = event->button() == Qt::LeftButton;
  if (!left && event->button() != Qt::RightButton) {
    return;
  }
  const QPoint origin = Origin();
  const QPoint at = event->position().toPoint();
  if (!onPicture({at.x(), at.y()}, {origin.x(), origin.y()})) {
    return;
  }
  model_.ButtonDown(pixelAt(event->position()), left);
  update();
}

void CPictureCanvas::mouseMoveEvent(QMouseEvent *event) {
  const QPoint origin = Origin();
  const QPoint at = event->position().toPoint();
  overPicture_ = onPicture({at.x(), at.y()}, {origin.x(), origin.y()});
  model_.MouseMove(pixelAt(event->position()));
  if (model_.buttonHeld()) {
    update();
  }
}

void CPictureCanvas::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
    return;
  }
  model_.ButtonUp(pixelAt(event->position()), event->button() == Qt::LeftButton);
  update();
}

void CPictureCanvas::leaveEvent(QEvent *) {
  overPicture_ = false;
  owner_.pointerMoved({-1, -1});
}

void CPictureCanvas::pictureChanged() {
  update();
  owner_.pictureChanged();
}

void CPictureCanvas::pointerMoved(Point pixel) {
  owner_.pointerMoved(overPicture_ ? pixel : Point{-1, -1});
}

void CPictureCanvas::textBoxChosen(Rect box) {
  update();
  const bool black = model_.textInkIsBlack();
  const auto text = textSource_ ? textSource_(black) : std::nullopt;
  if (!text || text->first.isEmpty()) {
    model_.CancelText();
  } else {
    model_.PlaceText(RenderText(text->first, text->second, box.width(), box.height(), black));
  }
  update();
}

Block CPictureCanvas::RenderText(const QString &text, const QFont &font, int width, int height,
                                 bool blackInk) {
  Block block = Block::filled(width, height, !blackInk);
  if (!block.valid()) {
    return block;
  }
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QFont drawn(font);
  // The font's height on a 96-dpi screen becomes its height in picture
  // pixels.
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96.0 / 72.0);
  drawn.setPixelSize(std::max(1, pixels));
  drawn.setStyleStrategy(QFont::NoAntialias);
  {
    QPainter painter(&image);
    painter.setFont(drawn);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, width, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        block.set(x, y, blackInk);
      }
    }
  }
  return block;
}

} // namespace pdx::animation
