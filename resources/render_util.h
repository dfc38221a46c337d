// Drawing helpers shared by the renderers: bevels, the title band, text.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
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

// Text centred in `r`, in one line.
void drawCentred(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour);

// Text with a one-pixel shadow, left-aligned and vertically centred.
void drawEmbossed(QPainter &p, const QRect &r, const QString &text, const QFont &font, const QColor &colour,
                  const QColor &shadowColour, int flags);

inline constexpr int kTitleBandHeight = 24;

} // namespace pdx::resources
