#include "melody/ui/score_painter.h"

#include "resources/resource_ids.h"
#include "resources/resource_store.h"

#include <QPainter>
#include <QPainterPath>

namespace pdx::melody::ui {

namespace {

using namespace pdx::resources;

// Offsets from the reference height of the step to a glyph's top.
constexpr int kSharpOffset = -2;
constexpr int kFlatOffset = -6;
constexpr int kNaturalOffset = -4;
constexpr int kStemUpOffset = -25;
constexpr int kWholeOffset = -1;
constexpr int kLedgerWidth = 13;
// A step's glyphs are centred this far below its reference height.
constexpr int kKeySignCentre = 4;

// White is the glyphs' transparent colour.
QImage transparent(int id) {
  QImage image = ResourceStore::instance().image(id).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == 0xFFFFFF) {
        line[x] = 0;
      }
    }
  }
  return image;
}

} // namespace

ScoreGlyphs::ScoreGlyphs() {
  clef_ = transparent(kGlyphTrebleClef);
  for (int i = 0; i < 6; ++i) {
    up_[static_cast<size_t>(i)] = transparent(kGlyphNoteUpFirst + i);
    down_[static_cast<size_t>(i)] = transparent(kGlyphNoteDownFirst + i);
    rests_[static_cast<size_t>(i)] = transparent(kGlyphRestFirst + i);
    widths_.head[static_cast<size_t>(i)] = up_[static_cast<size_t>(i)].width();
    widths_.rest[static_cast<size_t>(i)] = rests_[static_cast<size_t>(i)].width();
  }
  sharp_ = transparent(kGlyphSharp);
  flat_ = transparent(kGlyphFlat);
  natural_ = transparent(kGlyphNatural);
  left_ = transparent(kGlyphLeftRepeat);
  right_ = transparent(kGlyphRightRepeat);
  widths_.sharp = sharp_.width();
  widths_.flat = flat_.width();
  widths_.natural = natural_.width();
  widths_.leftRepeat = left_.width();
  widths_.rightRepeat = right_.width();
}

void ScoreGlyphs::paintStaff(QPainter &p, int width) const {
  p.setPen(Qt::black);
  for (int step = 30; step >= 22; step -= 2) {
    p.drawLine(0, staffY(step), width, staffY(step));
  }
  p.drawLine(0, kStaffTop, 0, kStaffBottom);
  p.drawImage(3, staffY(24) - 32, clef_);
}

void ScoreGlyphs::paintKeySignature(QPainter &p, uint16_t keyId) const {
  // The signs stand 5 pixels apart, closer than the note signs are wide:
  // they are drawn narrow, line by line, so that they stay crisp.
  p.save();
  p.setPen(Qt::black);
  for (const KeySign &s : keySignatureSigns(keyId)) {
    const int cy = staffY(s.step) + kKeySignCentre;
    if (s.sign == Accidental::Sharp) {
      p.drawLine(s.x + 1, cy - 6, s.x + 1, cy + 5);
      p.drawLine(s.x + 3, cy - 5, s.x + 3, cy + 6);
      p.fillRect(s.x, cy - 2, 5, 2, Qt::black);
      p.fillRect(s.x, cy + 2, 5, 2, Qt::black);
    } else {
      p.drawLine(s.x + 1, cy - 9, s.x + 1, cy + 3);
      p.setRenderHint(QPainter::Antialiasing);
      QPainterPath bowl(QPointF(s.x + 1.5, cy - 0.5));
      bowl.cubicTo(s.x + 3.5, cy - 2.5, s.x + 6, cy - 0.5, s.x + 1.5, cy + 3.5);
      p.setPen(QPen(Qt::black, 1.3));
      p.drawPath(bowl);
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setPen(Qt::black);
    }
  }
  p.restore();
}

void ScoreGlyphs::paintSign(QPainter &p, int x, int step, Accidental sign) const {
  switch (sign) {
  case Accidental::Sharp:
    p.drawImage(x, staffY(step) + kSharpOffset, sharp_);
    break;
  case Accidental::Flat:
    p.drawImage(x, staffY(step) + kFlatOffset, flat_);
    break;
  case Accidental::Natural:
    p.drawImage(x, staffY(step) + kNaturalOffset, natural_);
    break;
  case Accidental::None:
    break;
  }
}

void ScoreGlyphs::paintNote(QPainter &p, int x, const Spelling &spelling, uint16_t duration) const {
  if (spelling.sign != Accidental::None) {
    paintSign(p, x, spelling.step, spelling.sign);
    x += signWidth(spelling.sign, widths_) - 2;
  }
  const DurationGlyph glyph = durationGlyph(duration);
  const int y = staffY(spelling.step);
  p.setPen(Qt::black);
  for (int line : ledgerLines(spelling)) {
    p.drawLine(x, line, x + kLedgerWidth - 1, line);
  }
  const auto i = static_cast<size_t>(glyph.index);
  if (glyph.index == 0) {
    p.drawImage(x, y + kWholeOffset, up_[i]);
  } else if (stemDown(spelling)) {
    p.drawImage(x, y, down_[i]);
  } else {
    p.drawImage(x, y + kStemUpOffset, up_[i]);
  }
  if (glyph.dotted) {
    p.fillRect(x + 14, y + 1, 2, 2, Qt::black);
  }
}

void ScoreGlyphs::paintRest(QPainter &p, int x, uint16_t duration) const {
  const DurationGlyph glyph = durationGlyph(duration);
  const int offset = glyph.index == 1 ? 3 : (glyph.index == 2 ? -5 : 0);
  p.drawImage(x, staffY(28) + offset, rests_[static_cast<size_t>(glyph.index)]);
  if (glyph.dotted) {
    p.fillRect(x + (glyph.index <= 1 ? 20 : 15), staffY(27) + 1, 2, 2, Qt::black);
  }
}

void ScoreGlyphs::paintEntry(QPainter &p, int x, const NoteEntry &entry, uint16_t keyId) const {
  switch (kindOf(entry.code)) {
  case EntryKind::Note:
    paintNote(p, x, spellNote(entry.code, keyId), entry.duration);
    break;
  case EntryKind::Rest:
    paintRest(p, x, entry.duration);
    break;
  case EntryKind::Mark:
    if (entry.code != kEndMark) {
      p.drawImage(x, staffY(30), entry.code == kLeftRepeat ? left_ : right_);
    }
    break;
  case EntryKind::Bar:
    p.setPen(Qt::black);
    p.drawLine(x + 2, staffY(30), x + 2, staffY(22));
    break;
  case EntryKind::Other:
    break;
  }
}

void paintCursor(QPainter &p, int x, const QColor &colour) {
  p.setPen(colour);
  for (int i = 0; i < 3; ++i) {
    p.drawLine(x + i, i, x + 6 - i, i);
  }
}

} // namespace pdx::melody::ui
