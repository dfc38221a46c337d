// Paints the staff, the key signature and the entries of a melody with the
// score glyphs of the resource table, at the places score_geometry.h gives.
#pragma once

#include "melody/file/melody.h"
#include "melody/view/score_geometry.h"

#include <QColor>
#include <QImage>
#include <array>

class QPainter;

namespace pdx::melody::ui {

inline const QColor kSelectionGrey(192, 192, 192);

class ScoreGlyphs {
public:
  // Loads the glyph pictures and measures them.
  ScoreGlyphs();

  const GlyphWidths &widths() const { return widths_; }

  // The five lines across `width`, the bar at x 0 and the clef.
  void paintStaff(QPainter &p, int width) const;
  void paintKeySignature(QPainter &p, uint16_t keyId) const;
  // One entry with its left edge at `x`.
  void paintEntry(QPainter &p, int x, const NoteEntry &entry, uint16_t keyId) const;
  // A note head of `duration` with its sign, as the entry staff's ghost.
  void paintNote(QPainter &p, int x, const Spelling &spelling, uint16_t duration) const;
  void paintSign(QPainter &p, int x, int step, Accidental sign) const;

private:
  void paintRest(QPainter &p, int x, uint16_t duration) const;

  QImage clef_;
  std::array<QImage, 6> up_;
  std::array<QImage, 6> down_;
  std::array<QImage, 6> rests_;
  QImage sharp_, flat_, natural_, left_, right_;
  GlyphWidths widths_;
};

// The cursor's downward triangle at the top of the strip.
void paintCursor(QPainter &p, int x, const QColor &colour);

} // namespace pdx::melody::ui
