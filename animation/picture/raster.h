// One-pixel drawing on the picture in the platform's raster manner: a line
// leaves out its end point, rectangles and ellipses include both corners of
// their box. Pixels outside the picture are dropped.
#pragma once

#include "animation/file/mono_picture.h"

namespace pdx::animation {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point, Point) = default;
};

// A rectangle in picture pixels; right and bottom are exclusive.
struct Rect {
  int left = -1, top = -1, right = -1, bottom = -1;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect &, const Rect &) = default;
};

// The same rectangle with left <= right and top <= bottom.
Rect normalised(Rect r);
// The part of `r` inside the picture (0..96 x 0..51).
Rect clampedToPicture(Rect r);

void drawLine(CMonoPicture &picture, Point from, Point to, bool ink);
void drawRectangle(CMonoPicture &picture, Point a, Point b, bool ink);
void drawEllipse(CMonoPicture &picture, Point a, Point b, bool ink);
void fillRect(CMonoPicture &picture, Rect r, bool ink);
// Gives `ink` to the region of the other colour connected to `seed` through
// side neighbours; nothing happens when the seed already has it. True when
// a pixel changed.
bool floodFill(CMonoPicture &picture, Point seed, bool ink);

} // namespace pdx::animation
