#include "resources/render_util.h"

#include "resources/palette.h"

#include <QLinearGradient>

namespace pdx::resources {

void drawBevel(QPainter &p, const QRect &r, bool raised, int depth) {
  const QColor light = raised ? palette::silverLight() : palette::silverDark();
  const QColor dark = raised ? palette::shadow() : palette::silverLight();
  for (int i = 0; i < depth; ++i) {
    const QRect e = r.adjusted(i, i, -i, -i);
    p.setPen(light);
    p.drawLine(e.topLeft(), e.topRight());
    p.drawLine(e.topLeft(), e.bottomLeft());
    p.setPen(dark);
    p.drawLine(e.bottomLeft(), e.bottomRight());
    p.drawLine(e.topRight(), e.bottomRight());
  }
}

void fillTitleBand(QPainter &p, const QRect &r, int bandTop, int bandHeight) {
  QLinearGradient g(0, bandTop - r.top(), 0, bandTop - r.top() + bandHeight);
  g.setColorAt(0.0, palette::blueSoft());
  g.setColorAt(0.45, palette::blue());
  g.setColorAt(1.0, palette::blueDeep());
  p.fillRect(r, g);
}

void fillSilver(QPainter &p, const QRect &r) {
  QLinearGradient g(0, 0, 0, 460);
  g.setColorAt(0.0, palette::silverLight());
  g.setColorAt(1.0, palette::silver());
  p.fillRect(r, g);
}

void drawCentred(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour) {
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text);
}

void drawEmbossed(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour,
                  const QColor &shadowColour, int flags) {
  p.setFont(font);
  p.setPen(shadowColour);
  p.drawText(r.translated(1, 1), flags | Qt::TextSingleLine, text);
  p.setPen(colour);
  p.drawText(r, flags | Qt::TextSingleLine, text);
}

} // namespace pdx::resources
