// Small pictures on buttons and in glyphs, drawn in one ink colour inside a
// given rectangle, so that they scale with the button.
#include "resources/fonts.h"
#include "resources/palette.h"
#include "resources/render_parts.h"

#include <QPainterPath>
#include <QPolygonF>
#include <utility>
#include <cmath>

namespace pdx::resources {

namespace {

struct Pen {
  QPainter &p;
  QRectF r;
  QColor ink;
  // A point in the unit square of `r`.
  QPointF at(qreal x, qreal y) const { return {r.left() + x * r.width(), r.top() + y * r.height()}; }
  QRectF box(qreal x0, qreal y0, qreal x1, qreal y1) const { return {at(x0, y0), at(x1, y1)}; }
  qreal unit() const { return std::min(r.width(), r.height()); }
  void line(qreal x0, qreal y0, qreal x1, qreal y1, qreal width = 1.4) const {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(x0, y0), at(x1, y1));
  }
  void fill(const QPainterPath &path) const { p.fillPath(path, ink); }
  void poly(std::initializer_list<QPointF> unitPoints, bool filled = true) const {
    QPolygonF poly;
    for (const QPointF &u : unitPoints) {
      poly << at(u.x(), u.y());
    }
    p.setPen(QPen(ink, 1.3));
    p.setBrush(filled ? QBrush(ink) : Qt::NoBrush);
    p.drawPolygon(poly);
    p.setBrush(Qt::NoBrush);
  }
  void ellipse(qreal x0, qreal y0, qreal x1, qreal y1, bool filled, qreal width = 1.4) const {
    p.setPen(QPen(ink, width));
    p.setBrush(filled ? QBrush(ink) : Qt::NoBrush);
    p.drawEllipse(box(x0, y0, x1, y1));
    p.setBrush(Qt::NoBrush);
  }
  void rect(qreal x0, qreal y0, qreal x1, qreal y1, bool filled, qreal width = 1.3) const {
    p.setPen(QPen(ink, width));
    p.setBrush(filled ? QBrush(ink) : Qt::NoBrush);
    p.drawRect(box(x0, y0, x1, y1));
    p.setBrush(Qt::NoBrush);
  }
  void text(const QString &t, qreal points, bool bold = true) const {
    QFont f(QStringLiteral("NanumGothic"));
    f.setPointSizeF(points);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, t);
  }
};

// A note: head, stem and 0..3 flags. Stem up puts the head at the bottom.
void note(const Pen &d, bool filled, bool stem, int flags, bool up = true) {
  const qreal headTop = up ? 0.72 : 0.02;
  d.p.save();
  d.p.translate(d.at(0.42, headTop + 0.12));
  d.p.rotate(-20);
  d.p.setPen(QPen(d.ink, filled ? 1.0 : 1.6));
  d.p.setBrush(filled ? QBrush(d.ink) : Qt::NoBrush);
  const qreal rx = d.r.width() * 0.2;
  const qreal ry = d.r.height() * 0.1;
  d.p.drawEllipse(QPointF(0, 0), rx, ry);
  d.p.restore();
  d.p.setBrush(Qt::NoBrush);
  if (!stem) {
    return;
  }
  const qreal x = up ? 0.6 : 0.24;
  const qreal y0 = up ? 0.82 : 0.16;
  const qreal y1 = up ? 0.08 : 0.9;
  d.line(x, y0, x, y1, 1.3);
  for (int i = 0; i < flags; ++i) {
    const qreal y = up ? y1 + i * 0.14 : y1 - i * 0.14;
    const qreal dir = up ? 1 : -1;
    QPainterPath flag;
    flag.moveTo(d.at(x, y));
    flag.cubicTo(d.at(x + 0.15, y + dir * 0.1), d.at(x + 0.3, y + dir * 0.16),
                 d.at(x + 0.22, y + dir * 0.34));
    d.p.setPen(QPen(d.ink, 1.5));
    d.p.drawPath(flag);
  }
}

void rest(const Pen &d, int kind) {
  switch (kind) {
  case 0: // whole: a block hanging from a line
    d.line(0.15, 0.38, 0.85, 0.38);
    d.rect(0.28, 0.38, 0.72, 0.5, true);
    return;
  case 1: // half: a block sitting on a line
    d.line(0.15, 0.52, 0.85, 0.52);
    d.rect(0.28, 0.4, 0.72, 0.52, true);
    return;
  case 2: { // quarter: a zigzag
    QPainterPath z;
    z.moveTo(d.at(0.38, 0.12));
    z.lineTo(d.at(0.64, 0.36));
    z.lineTo(d.at(0.4, 0.55));
    z.lineTo(d.at(0.64, 0.74));
    z.quadTo(d.at(0.3, 0.68), d.at(0.48, 0.92));
    d.p.setPen(QPen(d.ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    d.p.drawPath(z);
    return;
  }
  default: { // eighth and shorter: a slanted stem with 1..3 hooks
    const int hooks = kind - 2;
    d.line(0.62, 0.2, 0.4, 0.88, 1.4);
    for (int i = 0; i < hooks; ++i) {
      const qreal y = 0.22 + i * 0.2;
      const qreal x = 0.62 - i * 0.065;
      d.ellipse(x - 0.34, y - 0.02, x - 0.16, y + 0.1, true, 1);
      d.line(x - 0.22, y + 0.08, x, y, 1.3);
    }
    return;
  }
  }
}

void repeat(const Pen &d, bool left) {
  const qreal thick = left ? 0.2 : 0.8;
  const qreal thin = left ? 0.42 : 0.58;
  const qreal dots = left ? 0.68 : 0.32;
  d.rect(thick - 0.08, 0.15, thick + 0.08, 0.85, true, 0.5);
  d.line(thin, 0.15, thin, 0.85, 1.2);
  d.ellipse(dots - 0.1, 0.36, dots + 0.1, 0.44, true, 0.5);
  d.ellipse(dots - 0.1, 0.56, dots + 0.1, 0.64, true, 0.5);
}

void sharp(const Pen &d) {
  d.line(0.38, 0.12, 0.38, 0.9, 1.2);
  d.line(0.62, 0.08, 0.62, 0.86, 1.2);
  d.line(0.18, 0.42, 0.82, 0.32, 2.2);
  d.line(0.18, 0.68, 0.82, 0.58, 2.2);
}

void flat(const Pen &d) {
  d.line(0.3, 0.05, 0.3, 0.88, 1.3);
  QPainterPath bowl;
  bowl.moveTo(d.at(0.3, 0.88));
  bowl.cubicTo(d.at(0.75, 0.7), d.at(0.85, 0.45), d.at(0.3, 0.55));
  d.p.setPen(QPen(d.ink, 1.8));
  d.p.drawPath(bowl);
}

void natural(const Pen &d) {
  d.line(0.3, 0.08, 0.3, 0.7, 1.2);
  d.line(0.7, 0.3, 0.7, 0.92, 1.2);
  d.line(0.3, 0.42, 0.7, 0.34, 2.2);
  d.line(0.3, 0.68, 0.7, 0.6, 2.2);
}

void trebleClef(const Pen &d) {
  QPainterPath c;
  c.moveTo(d.at(0.55, 0.95));
  c.lineTo(d.at(0.5, 0.05));
  c.cubicTo(d.at(0.85, 0.12), d.at(0.8, 0.3), d.at(0.3, 0.5));
  c.cubicTo(d.at(-0.05, 0.65), d.at(0.25, 0.85), d.at(0.6, 0.78));
  c.cubicTo(d.at(0.95, 0.7), d.at(0.75, 0.5), d.at(0.5, 0.55));
  c.cubicTo(d.at(0.3, 0.6), d.at(0.35, 0.7), d.at(0.5, 0.7));
  d.p.setPen(QPen(d.ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  d.p.drawPath(c);
  d.ellipse(0.28, 0.88, 0.52, 0.98, true, 0.5);
}

void paintMusic(const Pen &d, Art art, Stem stem) {
  const bool up = stem != Stem::Down;
  switch (art) {
  case Art::WholeNote:
    return note(d, false, false, 0, up);
  case Art::HalfNote:
    return note(d, false, true, 0, up);
  case Art::QuarterNote:
    return note(d, true, true, 0, up);
  case Art::EighthNote:
    return note(d, true, true, 1, up);
  case Art::SixteenthNote:
    return note(d, true, true, 2, up);
  case Art::ThirtySecondNote:
    return note(d, true, true, 3, up);
  default:
    break;
  }
}

void paintTool(const Pen &d, Art art) {
  switch (art) {
  case Art::SelectTool:
    d.p.setPen(QPen(d.ink, 1.2, Qt::DashLine));
    d.p.drawRect(d.box(0.2, 0.25, 0.8, 0.75));
    return;
  case Art::PointTool:
    d.ellipse(0.4, 0.4, 0.6, 0.6, true);
    return;
  case Art::LineTool:
    d.line(0.2, 0.8, 0.8, 0.2, 1.8);
    return;
  case Art::RectTool:
    d.rect(0.2, 0.28, 0.8, 0.72, false, 1.6);
    return;
  case Art::EllipseTool:
    d.ellipse(0.18, 0.25, 0.82, 0.75, false, 1.6);
    return;
  case Art::FillTool:
    d.poly({{0.2, 0.45}, {0.5, 0.2}, {0.8, 0.5}, {0.5, 0.8}});
    d.ellipse(0.72, 0.62, 0.86, 0.82, true, 0.5);
    return;
  case Art::SprayTool:
    for (int i = 0; i < 14; ++i) {
      const qreal a = i * 2.4;
      const qreal rr = 0.08 + 0.022 * i;
      const QPointF c = d.at(0.5 + rr * std::cos(a), 0.5 + rr * std::sin(a));
      d.p.fillRect(QRectF(c, QSizeF(1.6, 1.6)), d.ink);
    }
    return;
  case Art::TextTool:
    d.text(QStringLiteral("가"), d.unit() * 0.42);
    return;
  default:
    return;
  }
}

bool paintMenuArt(const Pen &d, Art art) {
  switch (art) {
  case Art::Phonebook:
    d.rect(0.22, 0.15, 0.78, 0.85, false, 2);
    d.rect(0.22, 0.15, 0.32, 0.85, true, 1);
    d.line(0.42, 0.35, 0.68, 0.35);
    d.line(0.42, 0.5, 0.68, 0.5);
    d.line(0.42, 0.65, 0.62, 0.65);
    return true;
  case Art::Envelope:
  case Art::EnvelopeOpen:
    d.rect(0.15, 0.28, 0.85, 0.74, false, 2);
    d.line(0.15, 0.28, 0.5, 0.54, 1.8);
    d.line(0.85, 0.28, 0.5, 0.54, 1.8);
    return true;
  case Art::Melody: {
    Pen small{d.p, d.box(0.2, 0.12, 0.72, 0.88), d.ink};
    note(small, true, true, 1);
    return true;
  }
  case Art::Animation:
    d.rect(0.14, 0.22, 0.86, 0.7, false, 2);
    d.rect(0.22, 0.3, 0.78, 0.62, true, 1);
    d.line(0.4, 0.82, 0.6, 0.82, 2);
    return true;
  case Art::Alarm:
  case Art::Clock:
    d.ellipse(0.18, 0.18, 0.82, 0.82, false, 2);
    d.line(0.5, 0.5, 0.5, 0.28, 2);
    d.line(0.5, 0.5, 0.66, 0.58, 2);
    return true;
  case Art::Settings:
    // Three sliders with their knobs.
    for (const auto &[y, x] : {std::pair{0.3, 0.35}, std::pair{0.5, 0.65}, std::pair{0.7, 0.45}}) {
      d.line(0.18, y, 0.82, y, 1.6);
      d.ellipse(x - 0.08, y - 0.08, x + 0.08, y + 0.08, true);
    }
    return true;
  case Art::DataService:
    d.ellipse(0.18, 0.18, 0.82, 0.82, false, 1.8);
    d.ellipse(0.36, 0.18, 0.64, 0.82, false, 1.4);
    d.line(0.18, 0.5, 0.82, 0.5);
    return true;
  case Art::Help:
    d.text(QStringLiteral("?"), d.unit() * 0.45);
    return true;
  case Art::Exit:
    d.line(0.3, 0.3, 0.7, 0.7, 2.6);
    d.line(0.7, 0.3, 0.3, 0.7, 2.6);
    return true;
  case Art::Check:
    d.p.setPen(QPen(d.ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    d.p.drawPolyline(QPolygonF({d.at(0.25, 0.52), d.at(0.43, 0.72), d.at(0.76, 0.3)}));
    return true;
  case Art::Arrow:
    d.poly({{0.18, 0.4}, {0.55, 0.4}, {0.55, 0.25}, {0.84, 0.5}, {0.55, 0.75}, {0.55, 0.6}, {0.18, 0.6}});
    return true;
  default:
    return false;
  }
}

bool paintEditArt(const Pen &d, Art art) {
  switch (art) {
  case Art::NewItem:
    d.text(QStringLiteral("+"), d.unit() * 0.55);
    return true;
  case Art::DeleteItem:
    d.line(0.3, 0.5, 0.7, 0.5, 2.6);
    return true;
  case Art::Rename:
    d.text(QStringLiteral("Aa"), d.unit() * 0.36);
    return true;
  case Art::Undo:
  case Art::Redo: {
    const bool undo = art == Art::Undo;
    QPainterPath arc;
    arc.moveTo(d.at(undo ? 0.3 : 0.7, 0.45));
    arc.cubicTo(d.at(undo ? 0.45 : 0.55, 0.22), d.at(undo ? 0.85 : 0.15, 0.3), d.at(undo ? 0.7 : 0.3, 0.75));
    d.p.setPen(QPen(d.ink, 2));
    d.p.drawPath(arc);
    const qreal x = undo ? 0.3 : 0.7;
    const qreal s = undo ? 1 : -1;
    d.poly({{x - s * 0.12, 0.36}, {x + s * 0.14, 0.3}, {x + s * 0.02, 0.58}});
    return true;
  }
  case Art::Copy:
    d.rect(0.2, 0.2, 0.58, 0.66, false);
    d.rect(0.42, 0.36, 0.8, 0.82, false);
    return true;
  case Art::Cut:
    d.ellipse(0.22, 0.6, 0.42, 0.84, false);
    d.ellipse(0.58, 0.6, 0.78, 0.84, false);
    d.line(0.36, 0.62, 0.66, 0.15);
    d.line(0.64, 0.62, 0.34, 0.15);
    return true;
  case Art::Paste:
    d.rect(0.26, 0.2, 0.74, 0.84, false);
    d.rect(0.38, 0.14, 0.62, 0.26, true);
    return true;
  case Art::DeleteBefore:
    d.poly({{0.2, 0.5}, {0.4, 0.28}, {0.8, 0.28}, {0.8, 0.72}, {0.4, 0.72}}, false);
    d.line(0.48, 0.4, 0.66, 0.6);
    d.line(0.66, 0.4, 0.48, 0.6);
    return true;
  case Art::DeleteAt:
    d.poly({{0.2, 0.28}, {0.6, 0.28}, {0.8, 0.5}, {0.6, 0.72}, {0.2, 0.72}}, false);
    d.line(0.34, 0.4, 0.52, 0.6);
    d.line(0.52, 0.4, 0.34, 0.6);
    return true;
  case Art::BarLine:
    d.line(0.5, 0.15, 0.5, 0.85, 1.8);
    d.line(0.2, 0.3, 0.8, 0.3, 0.8);
    d.line(0.2, 0.7, 0.8, 0.7, 0.8);
    return true;
  case Art::NoteUp:
  case Art::NoteDown: {
    Pen small{d.p, d.box(0.05, 0.1, 0.55, 0.9), d.ink};
    note(small, true, true, 0);
    const bool upward = art == Art::NoteUp;
    d.poly(upward ? std::initializer_list<QPointF>{{0.62, 0.55}, {0.75, 0.3}, {0.88, 0.55}}
                  : std::initializer_list<QPointF>{{0.62, 0.45}, {0.75, 0.7}, {0.88, 0.45}});
    return true;
  }
  default:
    return false;
  }
}

bool paintPlayerArt(const Pen &d, Art art) {
  switch (art) {
  case Art::Play:
    d.poly({{0.34, 0.24}, {0.74, 0.5}, {0.34, 0.76}});
    return true;
  case Art::Pause:
    d.rect(0.3, 0.26, 0.43, 0.74, true, 0.5);
    d.rect(0.57, 0.26, 0.7, 0.74, true, 0.5);
    return true;
  case Art::Stop:
    d.rect(0.3, 0.3, 0.7, 0.7, true, 0.5);
    return true;
  case Art::Rewind:
    d.rect(0.24, 0.28, 0.32, 0.72, true, 0.5);
    d.poly({{0.72, 0.28}, {0.34, 0.5}, {0.72, 0.72}});
    return true;
  default:
    return false;
  }
}

} // namespace

void paintArt(QPainter &p, const QRectF &r, Art art, const QColor &ink, Stem stem) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const Pen d{p, r, ink};
  switch (art) {
  case Art::WholeRest:
  case Art::HalfRest:
  case Art::QuarterRest:
  case Art::EighthRest:
  case Art::SixteenthRest:
  case Art::ThirtySecondRest:
    rest(d, static_cast<int>(art) - static_cast<int>(Art::WholeRest));
    break;
  case Art::Dot:
    d.ellipse(0.3, 0.3, 0.7, 0.7, true, 0.5);
    break;
  case Art::LeftRepeat:
  case Art::RightRepeat:
    repeat(d, art == Art::LeftRepeat);
    break;
  case Art::Sharp:
    sharp(d);
    break;
  case Art::Flat:
    flat(d);
    break;
  case Art::Natural:
    natural(d);
    break;
  case Art::TrebleClef:
    trebleClef(d);
    break;
  default:
    if (!paintMenuArt(d, art) && !paintEditArt(d, art) && !paintPlayerArt(d, art)) {
      paintTool(d, art);
      paintMusic(d, art, stem);
    }
    break;
  }
  p.restore();
}

} // namespace pdx::resources
