// Button strips: bevelled faces in the normal, pressed, hover and disabled
// looks, with a caption or a picture.
#include "resources/fonts.h"
#include "resources/palette.h"
#include "resources/render_parts.h"
#include "resources/render_util.h"
#include "resources/renderer.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace pdx::resources {

Look frameLook(const ResourceSpec &spec, int frame) {
  if (spec.sticky) {
    return frame == spec.frames - 1 && frame > 0 ? Look::Pressed : Look::Normal;
  }
  switch (frame) {
  case 1:
    return Look::Pressed;
  case 2:
    return Look::Hover;
  case 3:
    return Look::Disabled;
  default:
    return Look::Normal;
  }
}

QRectF paintButtonFace(QPainter &p, const QRect &r, Look look, bool round) {
  const QRectF face = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(face.topLeft(), face.bottomLeft());
  if (look == Look::Pressed) {
    g.setColorAt(0, palette::blueSoft());
    g.setColorAt(1, palette::bluePale());
  } else if (look == Look::Hover) {
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, palette::bluePale());
  } else {
    g.setColorAt(0, palette::silverLight());
    g.setColorAt(1, palette::silverMid());
  }
  const qreal radius = round ? 5 : 2;
  QPainterPath path;
  path.addRoundedRect(face, radius, radius);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(path, g);
  const QColor edge = look == Look::Disabled ? palette::silverMid()
                      : look == Look::Hover  ? palette::blue()
                                             : palette::silverDark();
  p.setPen(QPen(edge, 1));
  p.drawPath(path);
  if (look == Look::Pressed) {
    p.setPen(QPen(palette::blueDeep(), 1));
    p.drawLine(face.topLeft() + QPointF(radius, 1), face.topRight() + QPointF(-radius, 1));
  } else {
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(face.topLeft() + QPointF(radius, 1), face.topRight() + QPointF(-radius, 1));
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  const qreal shift = look == Look::Pressed ? 1 : 0;
  return face.adjusted(2 + shift, 2 + shift, -2 + shift, -2 + shift);
}

void paintKeyFace(QPainter &p, const QRect &r, Look look, const QString &label) {
  const QRectF content = paintButtonFace(p, r.adjusted(1, 1, -1, -1), look, true);
  const QColor colour = look == Look::Disabled ? palette::disabledInk() : palette::ink();
  drawCentred(p, content.toRect(), label, font(QStringLiteral("굴림"), 14, true), colour);
}

QImage renderTextButtonStrip(const QString &caption, QSize frame, int frames) {
  ResourceSpec spec{0, frame.width(), frame.height(), frames, Kind::TextButton, {}};
  QImage image(frame.width() * frames, frame.height(), QImage::Format_RGB32);
  image.fill(palette::silver());
  QPainter p(&image);
  for (int i = 0; i < frames; ++i) {
    const QRect r(i * frame.width(), 0, frame.width(), frame.height());
    const Look look = frameLook(spec, i);
    const QRectF content = paintButtonFace(p, r, look, false);
    const QColor colour = look == Look::Disabled  ? palette::disabledInk()
                          : look == Look::Pressed ? palette::blueDeep()
                                                  : palette::ink();
    const double points = frame.height() >= 30 ? 9.5 : 9;
    // Three pixels of air on each side of the caption.
    const QRect box = content.toRect();
    const FittedText fitted =
        fitText(caption, font(QStringLiteral("굴림"), points, true), box.size() - QSize(6, 0), true);
    drawFitted(p, box, caption, fitted, colour);
  }
  return image;
}

} // namespace pdx::resources
