#include "resources/render_util.h"

#include "resources/palette.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <algorithm>

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

namespace {

constexpr double kStep = 0.5;
constexpr double kWrapBelow = 8;
constexpr double kFloor = 4;

// One line is measured across only, as drawText lays it out: the boxes are a
// line high, and a face's line height includes air above and below the letters.
bool fitsOneLine(const QFont &font, const QString &text, QSize box) {
  const QRect used =
      QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box), Qt::AlignCenter | Qt::TextSingleLine, text);
  return used.width() <= box.width();
}

bool fitsTwoLines(const QFont &font, const QString &text, QSize box) {
  const QFontMetrics metrics(font);
  const QRect used = metrics.boundingRect(QRect(QPoint(0, 0), box), Qt::AlignCenter | Qt::TextWordWrap, text);
  // Two lines measure a pixel or so more than two line spacings; three, far more.
  return used.width() <= box.width() && used.height() <= box.height() &&
         2 * used.height() < 5 * metrics.lineSpacing();
}

// The largest size from `from` down to `to` at which `fits` holds, or 0.
template <typename Fits> double largestSize(QFont font, double from, double to, Fits fits) {
  for (double points = from; points >= to; points -= kStep) {
    font.setPointSizeF(points);
    if (fits(font)) {
      return points;
    }
  }
  return 0;
}

} // namespace

FittedText fitText(const QString &text, QFont font, QSize box, bool mayWrap) {
  const double start = font.pointSizeF();
  const double oneLine =
      largestSize(font, start, kFloor, [&](const QFont &f) { return fitsOneLine(f, text, box); });
  double twoLines = 0;
  if (oneLine < std::min(start, kWrapBelow) && mayWrap && text.contains(QLatin1Char(' '))) {
    twoLines = largestSize(font, start, kFloor, [&](const QFont &f) { return fitsTwoLines(f, text, box); });
  }
  font.setPointSizeF(std::max({oneLine, twoLines, kFloor}));
  return {font, twoLines > oneLine};
}

void drawFitted(QPainter &p, const QRect &r, const QString &text, const FittedText &fitted,
                const QColor &colour) {
  p.setFont(fitted.font);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter | (fitted.twoLines ? Qt::TextWordWrap : Qt::TextSingleLine), text);
}

void drawEmbossed(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour,
                  const QColor &shadowColour, int flags) {
  p.setFont(fitText(text, font, QSize(r.width() - 1, r.height()), false).font);
  p.setPen(shadowColour);
  p.drawText(r.translated(1, 1), flags | Qt::TextSingleLine, text);
  p.setPen(colour);
  p.drawText(r, flags | Qt::TextSingleLine, text);
}

} // namespace pdx::resources
