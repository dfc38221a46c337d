// Icons, list icon strips, the symbol strip and the piano keys.
#include "resources/fonts.h"
#include "resources/palette.h"
#include "resources/render_parts.h"
#include "resources/render_util.h"

#include <QPainterPath>
#include <QStringList>

namespace pdx::resources {

namespace {

void paintRoundIcon(QPainter &p, const QRectF &r, const QColor &fill, const QString &mark) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(fill);
  p.setPen(QPen(fill.darker(150), 1));
  p.drawEllipse(r.adjusted(1, 1, -1, -1));
  drawCentred(p, r.toRect(), mark, font(QStringLiteral("Times New Roman"), r.height() * 0.45, true),
              Qt::white);
}

void paintTriangleIcon(QPainter &p, const QRectF &r) {
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tri;
  tri.moveTo(r.center().x(), r.top() + 2);
  tri.lineTo(r.right() - 1, r.bottom() - 2);
  tri.lineTo(r.left() + 1, r.bottom() - 2);
  tri.closeSubpath();
  p.fillPath(tri, QColor(0xf2, 0xc1, 0x2e));
  p.setPen(QPen(QColor(0x8a, 0x66, 0x00), 1));
  p.drawPath(tri);
  drawCentred(p, r.adjusted(0, 6, 0, 0).toRect(), QStringLiteral("!"),
              font(QStringLiteral("NanumGothic"), r.height() * 0.4, true), Qt::black);
}

void paintListIcon(QPainter &p, const QRect &cell, const QString &name) {
  const QRectF r = QRectF(cell).adjusted(1, 1, -1, -1);
  const QColor ink = palette::blueDeep();
  if (name == QLatin1String("blank")) {
    return;
  }
  if (name == QLatin1String("phone")) {
    QFont f(QString::fromLatin1(kSymbolFamily));
    f.setPixelSize(cell.height() - 2);
    drawCentred(p, cell, symbolText(0), f, ink);
  } else if (name == QLatin1String("question")) {
    drawCentred(p, cell, QStringLiteral("?"), font(QStringLiteral("굴림"), 9, true),
                QColor(0xc0, 0x30, 0x30));
  } else if (name == QLatin1String("envelope")) {
    paintArt(p, r, Art::Envelope, ink);
  } else if (name == QLatin1String("open")) {
    paintArt(p, r, Art::Envelope, palette::silverDark());
  } else if (name == QLatin1String("lock")) {
    p.fillRect(QRectF(r.left() + 3, r.center().y(), r.width() - 6, r.height() / 2 - 1), ink);
    p.setPen(QPen(ink, 1.5));
    p.drawArc(QRectF(r.left() + 4.5, r.top() + 1, r.width() - 9, r.height() - 4), 0, 180 * 16);
  } else if (name == QLatin1String("note")) {
    paintArt(p, r, Art::Melody, ink);
  } else if (name == QLatin1String("clock")) {
    paintArt(p, r, Art::Clock, ink);
  } else {
    drawCentred(p, cell, QString::fromStdString(shownIconMark(name.toStdString())),
                font(QStringLiteral("굴림"), 7, true), ink);
  }
}

} // namespace

void paintIcon(QPainter &p, const QRect &r, Art art) {
  switch (art) {
  case Art::StopSign:
    paintRoundIcon(p, r, QColor(0xc8, 0x2a, 0x22), QStringLiteral("X"));
    return;
  case Art::Question:
    paintRoundIcon(p, r, palette::blue(), QStringLiteral("?"));
    return;
  case Art::Information:
    paintRoundIcon(p, r, palette::blue(), QStringLiteral("i"));
    return;
  case Art::Exclamation:
    paintTriangleIcon(p, r);
    return;
  default: {
    // Program icons: the program's picture on a blue tile.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(tile, palette::blue());
    p.setPen(palette::blueDeep());
    p.drawPath(tile);
    if (art == Art::Phone) {
      QFont f(QString::fromLatin1(kSymbolFamily));
      f.setPixelSize(r.height() - 6);
      drawCentred(p, r, symbolText(1), f, Qt::white);
    } else {
      paintArt(p, QRectF(r).adjusted(4, 4, -4, -4), art, Qt::white);
    }
    return;
  }
  }
}

void paintIconStrip(QPainter &p, const ResourceSpec &spec, const QString &names) {
  const QStringList list = names.split(QLatin1Char(','));
  for (int i = 0; i < spec.frames && i < list.size(); ++i) {
    paintListIcon(p, QRect(i * spec.frameWidth, 0, spec.frameWidth, spec.frameHeight), list[i]);
  }
}

void paintSymbolStrip(QPainter &p, const ResourceSpec &spec) {
  QFont f(QString::fromLatin1(kSymbolFamily));
  f.setPixelSize(spec.frameHeight - 5);
  for (int i = 0; i < spec.frames; ++i) {
    const QRect cell(i * spec.frameWidth, 0, spec.frameWidth, spec.frameHeight);
    drawCentred(p, cell.adjusted(0, 1, 0, 0), symbolText(i), f, Qt::black);
  }
}

void paintPianoKey(QPainter &p, const ResourceSpec &spec) {
  const QRect all(0, 0, spec.frameWidth, spec.frameHeight);
  if (spec.art == Art::BlackKey) {
    p.fillRect(all, QColor(0x20, 0x22, 0x28));
    p.fillRect(QRect(2, 1, spec.frameWidth - 4, spec.frameHeight - 6), QColor(0x3c, 0x40, 0x4a));
    return;
  }
  p.fillRect(all, Qt::white);
  p.fillRect(QRect(0, spec.frameHeight - 4, spec.frameWidth, 4), palette::silver());
  p.setPen(palette::silverDark());
  p.drawRect(all.adjusted(0, 0, -1, -1));
  // The parts a neighbouring black key covers: right of a key that starts a
  // group, left of one that ends it, both sides in the middle.
  const QColor under(0x20, 0x22, 0x28);
  const int notch = 6;
  const int depth = 30;
  if (spec.art == Art::WhiteKeyLeft || spec.art == Art::WhiteKeyMiddle) {
    p.fillRect(QRect(spec.frameWidth - notch, 0, notch, depth), under);
  }
  if (spec.art == Art::WhiteKeyRight || spec.art == Art::WhiteKeyMiddle) {
    p.fillRect(QRect(0, 0, notch, depth), under);
  }
}

} // namespace pdx::resources
