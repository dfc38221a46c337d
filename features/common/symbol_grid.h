// The phone's ten symbols (code page 949 0xC9A1 to 0xC9AA) and the grid the
// symbol palette lays their pictures out in.
#pragma once

#include <string>

namespace pdx::features {

inline constexpr int kSymbolCount = 10;

// The two bytes of symbol `index`, or "" outside 0..9.
std::string symbolBytes(int index);

// Cells of `pictureWidth` plus a one-pixel frame, following each other at
// pictureWidth + 1 pixels, row after row, centred horizontally in a
// rectangle of `width`.
struct SymbolGrid {
  int columns = 1;
  int left = 0;
  int step = 1;

  static SymbolGrid forWidth(int width, int pictureWidth);
  // The cell's index under a point relative to the rectangle, or -1.
  int hit(int x, int y, int pictureHeight) const;
  int cellX(int index) const { return left + (index % columns) * step; }
  int cellY(int index, int pictureHeight) const { return (index / columns) * (pictureHeight + 1); }
};

} // namespace pdx::features
