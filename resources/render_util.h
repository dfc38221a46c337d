// Drawing helpers shared by the renderers: bevels, the title band, text.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

namespace pdx::resources {

// A bevelled edge: light top and left, dark bottom and right (or the other
// way round when sunken), `depth` pixels deep.
void drawBevel(QPainter &p, const QRect &r, bool raised, int depth = 1);

// The blue title band, as seen from `bandTop` rows above the rectangle, so
// that pieces drawn separately line up with each other.
void fillTitleBand(QPainter &p, const QRect &r, int bandTop, int bandHeight);

// The silver body of windows and frames.
void fillSilver(QPainter &p, const QRect &r);

// How a caption fits its box: the font, made smaller half a point at a time
// (down to 4 points) until the caption fits across, and whether it takes two
// lines. A caption of several words that would drop below 8 points in one
// line takes two when that keeps it larger, if `mayWrap` and the box is high
// enough. Used instead of cutting a caption.
struct FittedText {
  QFont font;
  bool twoLines = false;
};
FittedText fitText(const QString &text, QFont font, QSize box, bool mayWrap);

// Text centred in `r`, in one line.
void drawCentred(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour);

// Text centred in `r` as fitText lays it out.
void drawFitted(QPainter &p, const QRect &r, const QString &text, const FittedText &fitted,
                const QColor &colour);

// Text with a one-pixel shadow in one line, in `font` or smaller so that it
// fits the width of `r`.
void drawEmbossed(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour,
                  const QColor &shadowColour, int flags);

inline constexpr int kTitleBandHeight = 24;

} // namespace pdx::resources
