// Window backgrounds, dialog frame pieces, captions and the link indicator.
#include "resources/fonts.h"
#include "resources/palette.h"
#include "resources/render_parts.h"
#include "resources/render_util.h"

#include <QPainterPath>
#include <algorithm>
#include <cstdlib>

namespace pdx::resources {

namespace {

void paintPageDecoration(QPainter &p, int id) {
  if (id == 3001) {
    p.fillRect(QRect(75, 240, 190, 105), Qt::white);
    drawBevel(p, QRect(73, 238, 194, 109), false, 2);
    QPainterPath body;
    body.addRoundedRect(QRectF(378, 192, 156, 202), 14, 14);
    p.fillPath(body, palette::silverMid());
    p.setPen(palette::silverDark());
    p.drawPath(body);
  } else if (id == 3002 || id == 3003) {
    QFont big(QString::fromLatin1(kSymbolFamily));
    big.setPixelSize(230);
    p.setFont(big);
    p.setPen(palette::bluePale());
    p.drawText(QRect(380, 90, 200, 260), Qt::AlignCenter, symbolText(1));
  } else if (id == 3050 || id == 3060) {
    // The editors paint their status line black over (4, 442)-(500, 457):
    // it sits in a sunken well below a groove of its own, not on the bare
    // page by the bottom edge.
    p.setPen(palette::silverDark());
    p.drawLine(2, 435, 597, 435);
    p.setPen(palette::silverLight());
    p.drawLine(2, 436, 597, 436);
    drawBevel(p, QRect(3, 441, 498, 17), false, 1);
  }
}

// The width a label may take: its own room, else up to the next label on its
// row or the page's edge, at most 300 pixels.
int labelRoom(const SkinLabel &label, int pageWidth) {
  if (label.room > 0) {
    return label.room;
  }
  if (label.alignRight) {
    return std::min(300, label.x - 10);
  }
  int end = pageWidth - 10;
  for (const SkinLabel &other : skinLabels()) {
    if (other.page == label.page && std::abs(other.y - label.y) < 12 && other.x > label.x) {
      end = std::min(end, other.x - 8);
    }
  }
  return std::min(300, end - label.x);
}

void paintLabels(QPainter &p, int id, int pageWidth) {
  const QFont labelFont = font(QStringLiteral("굴림"), 10, true);
  for (const SkinLabel &label : skinLabels()) {
    if (label.page != id) {
      continue;
    }
    const QString text = QString::fromStdString(shownText(label));
    const int room = labelRoom(label, pageWidth);
    const QRect box = label.alignRight ? QRect(label.x - room, label.y - 2, room, 20)
                                       : QRect(label.x, label.y - 2, room, 20);
    const int align = (label.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    drawEmbossed(p, box, text, labelFont, palette::ink(), palette::silverLight(), align);
  }
}

// The sunken bevel around a dialog's content area, three pixels deep: dark
// above and left, light below and right, each line lighter towards the
// content. Pieces: 5209 top-left, 5210 top, 5211 top-right, 5212 left,
// 5213 right, 5214 bottom-left, 5215 bottom, 5216 bottom-right.
void paintContentBevel(QPainter &p, int id, int w, int h) {
  const QColor dark[3] = {palette::silverDark(), palette::shadow(), palette::silverMid()};
  const QColor light[3] = {Qt::white, palette::silverLight(), palette::silverMid()};
  const bool topSide = id >= 5209 && id <= 5211;
  const bool bottomSide = id >= 5214;
  const bool leftSide = id == 5209 || id == 5212 || id == 5214;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      // Depth from the outside (0) to the content (2), and which side wins.
      int depth = 2;
      bool darkSide = true;
      if (topSide) {
        depth = y;
      } else if (bottomSide) {
        depth = h - 1 - y;
        darkSide = false;
      }
      if (w <= 3 && !(topSide || bottomSide)) {
        depth = leftSide ? x : w - 1 - x;
        darkSide = leftSide;
      } else if (w <= 3) {
        const int side = leftSide ? x : w - 1 - x;
        if (side < depth) {
          depth = side;
          darkSide = leftSide;
        }
      }
      p.setPen(darkSide ? dark[depth] : light[depth]);
      p.drawPoint(x, y);
    }
  }
}

} // namespace

void paintPage(QPainter &p, const ResourceSpec &spec, const QString &title) {
  const QRect all(0, 0, spec.frameWidth, spec.frameHeight);
  fillSilver(p, all);
  drawBevel(p, all, true, 2);
  const QRect band(2, 2, spec.frameWidth - 4, 30);
  fillTitleBand(p, band, 2, 30);
  p.setPen(palette::blueDeep());
  p.drawLine(band.bottomLeft() + QPoint(0, 1), band.bottomRight() + QPoint(0, 1));
  QPainterPath emblem;
  emblem.addEllipse(QRectF(10, 6, 22, 22));
  p.fillPath(emblem, palette::silverLight());
  QFont symbols(QString::fromLatin1(kSymbolFamily));
  symbols.setPixelSize(16);
  drawCentred(p, QRect(10, 6, 22, 23), symbolText(1), symbols, palette::blue());
  // The title keeps clear of the maker's name on the right.
  drawEmbossed(p, band.adjusted(38, 0, -90, 0), title, font(QStringLiteral("굴림"), 12, true), Qt::white,
               palette::blueDeep(), Qt::AlignLeft | Qt::AlignVCenter);
  drawEmbossed(p, band.adjusted(0, 0, -12, 0), QStringLiteral("QZ Telecom"),
               font(QStringLiteral("Times New Roman"), 9, true), palette::bluePale(), palette::blueDeep(),
               Qt::AlignRight | Qt::AlignVCenter);
  const QRect work(10, 40, spec.frameWidth - 20, 334);
  p.fillRect(work.adjusted(1, 1, -1, -1), palette::silverLight());
  drawBevel(p, work, false);
  p.setPen(palette::silverDark());
  p.drawLine(10, 379, spec.frameWidth - 11, 379);
  p.setPen(palette::silverLight());
  p.drawLine(10, 380, spec.frameWidth - 11, 380);
  paintPageDecoration(p, spec.id);
  paintLabels(p, spec.id, spec.frameWidth);
}

void paintDialogPiece(QPainter &p, const ResourceSpec &spec) {
  const int w = spec.frameWidth;
  const int h = spec.frameHeight;
  const int id = spec.id;
  const QRect all(0, 0, w, h);
  if (id >= 5209 && id <= 5216) {
    paintContentBevel(p, id, w, h);
    return;
  }
  if (id == 5217) {
    p.fillRect(all, palette::silver());
    p.setPen(palette::silverDark());
    p.drawLine(0, 1, w - 1, 1);
    p.setPen(palette::silverLight());
    p.drawLine(0, 2, w - 1, 2);
    return;
  }
  fillSilver(p, all);
  const bool top = id <= 5202;
  if (top) {
    fillTitleBand(p, QRect(0, 0, w, kTitleBandHeight), 0, kTitleBandHeight);
    p.setPen(palette::blueDeep());
    p.drawLine(0, kTitleBandHeight, w - 1, kTitleBandHeight);
    p.setPen(palette::silverLight());
    p.drawLine(0, 0, w - 1, 0);
  }
  const bool left = id == 5200 || id == 5203 || id == 5205;
  const bool right = id == 5202 || id == 5204 || id == 5207;
  const bool bottom = id >= 5205 && id <= 5207;
  if (left) {
    p.setPen(palette::silverLight());
    p.drawLine(0, 0, 0, h - 1);
  }
  if (right) {
    p.setPen(palette::shadow());
    p.drawLine(w - 1, 0, w - 1, h - 1);
  }
  if (bottom) {
    p.setPen(palette::shadow());
    p.drawLine(0, h - 1, w - 1, h - 1);
  }
}

void paintCaption(QPainter &p, const ResourceSpec &spec, const QString &text) {
  const QRect all(0, 0, spec.frameWidth, spec.frameHeight);
  const bool titleBar = spec.frameHeight == kTitleBandHeight;
  // A caption sits at (5, 2) on the band; the title bar at (0, 0).
  fillTitleBand(p, all, titleBar ? 0 : -2, kTitleBandHeight);
  if (titleBar) {
    p.setPen(palette::silverLight());
    p.drawLine(0, 0, all.right(), 0);
    p.drawLine(0, 0, 0, all.bottom());
  }
  drawEmbossed(p, all.adjusted(titleBar ? 9 : 4, 0, 0, 0), text, font(QStringLiteral("굴림"), 9, true),
               Qt::white, palette::blueDeep(), Qt::AlignLeft | Qt::AlignVCenter);
}

void paintLinkStatus(QPainter &p, const ResourceSpec &spec, int frame, const QString &text) {
  const QRect all(0, 0, spec.frameWidth, spec.frameHeight);
  p.fillRect(all, palette::blueDeep());
  drawBevel(p, all, false);
  QColor led = spec.id == 1100 ? QColor(0x4c, 0xd9, 0x64) : QColor(0xe0, 0x4a, 0x3c);
  if (spec.frames > 1) {
    led = (frame % 2 == 0) ? palette::hoverGlow() : QColor(0x9a, 0x7a, 0x2a);
  }
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(led);
  p.setPen(led.darker(160));
  p.drawEllipse(QRectF(6, 6, 10, 10));
  p.setRenderHint(QPainter::Antialiasing, false);
  // A busy indicator keeps its row of cells (from x = 114) clear.
  const int textEnd = spec.frames > 1 ? 110 : spec.frameWidth - 4;
  drawEmbossed(p, QRect(24, 0, textEnd - 24, spec.frameHeight), text, font(QStringLiteral("굴림"), 9),
               Qt::white, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
  if (spec.frames > 1) {
    // A row of twelve cells, one lit per frame, shows that work goes on.
    for (int i = 0; i < 12; ++i) {
      const QColor c = i == frame ? palette::hoverGlow() : palette::blue();
      p.fillRect(QRect(114 + i * 5, 9, 4, 5), c);
    }
  }
}

} // namespace pdx::resources
