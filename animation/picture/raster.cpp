#include "animation/picture/raster.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace pdx::animation {

Rect normalised(Rect r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

Rect clampedToPicture(Rect r) {
  r = normalised(r);
  return {std::clamp(r.left, 0, CMonoPicture::kWidth), std::clamp(r.top, 0, CMonoPicture::kHeight),
          std::clamp(r.right, 0, CMonoPicture::kWidth), std::clamp(r.bottom, 0, CMonoPicture::kHeight)};
}

void drawLine(CMonoPicture &picture, Point from, Point to, bool ink) {
  const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  Point p = from;
  while (p != to) {
    picture.setPixel(p.x, p.y, ink);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

void drawRectangle(CMonoPicture &picture, Point a, Point b, bool ink) {
  const Rect r = normalised({a.x, a.y, b.x, b.y});
  for (int x = r.left; x <= r.right; ++x) {
    picture.setPixel(x, r.top, ink);
    picture.setPixel(x, r.bottom, ink);
  }
  for (int y = r.top; y <= r.bottom; ++y) {
    picture.setPixel(r.left, y, ink);
    picture.setPixel(r.right, y, ink);
  }
}

// The midpoint ellipse of A. Zingl, which fits any box exactly, odd and even
// sizes alike.
void drawEllipse(CMonoPicture &picture, Point a, Point b, bool ink) {
  const Rect r = normalised({a.x, a.y, b.x, b.y});
  int64_t x0 = r.left, x1 = r.right, y0 = r.top, y1 = r.bottom;
  int64_t wa = x1 - x0, hb = y1 - y0, b1 = hb & 1;
  int64_t dx = 4 * (1 - wa) * hb * hb, dy = 4 * (b1 + 1) * wa * wa;
  int64_t err = dx + dy + b1 * wa * wa;
  y0 += (hb + 1) / 2;
  y1 = y0 - b1;
  const int64_t a8 = 8 * wa * wa, b8 = 8 * hb * hb;
  auto plot = [&](int64_t x, int64_t y) { picture.setPixel(static_cast<int>(x), static_cast<int>(y), ink); };
  do {
    plot(x1, y0);
    plot(x0, y0);
    plot(x0, y1);
    plot(x1, y1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      err += dy += a8;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      err += dx += b8;
    }
  } while (x0 <= x1);
  while (y0 - y1 <= hb) {
    plot(x0 - 1, y0);
    plot(x1 + 1, y0++);
    plot(x0 - 1, y1);
    plot(x1 + 1, y1--);
  }
}

void fillRect(CMonoPicture &picture, Rect r, bool ink) {
  r = clampedToPicture(r);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      picture.setPixel(x, y, ink);
    }
  }
}

bool floodFill(CMonoPicture &picture, Point seed, bool ink) {
  if (!CMonoPicture::inside(seed.x, seed.y) || picture.pixel(seed.x, seed.y) == ink) {
    return false;
  }
  std::vector<Point> pending{seed};
  picture.setPixel(seed.x, seed.y, ink);
  while (!pending.empty()) {
    const Point p = pending.back();
    pending.pop_back();
    for (Point n : {Point{p.x - 1, p.y}, Point{p.x + 1, p.y}, Point{p.x, p.y - 1}, Point{p.x, p.y + 1}}) {
      if (CMonoPicture::inside(n.x, n.y) && picture.pixel(n.x, n.y) != ink) {
        picture.setPixel(n.x, n.y, ink);
        pending.push_back(n);
      }
    }
  }
  return true;
}

} // namespace pdx::animation
