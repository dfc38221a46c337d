// A rectangular piece of picture: the floating block, the clipboard, a
// rendered text.
#pragma once

#include "animation/picture/raster.h"

#include <cstdint>
#include <vector>

namespace pdx::animation {

struct Block {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> ink; // 1 for black, row by row from the top

  bool valid() const { return width > 0 && height > 0; }
  bool at(int x, int y) const { return ink[static_cast<size_t>(y * width + x)] != 0; }
  void set(int x, int y, bool black) { ink[static_cast<size_t>(y * width + x)] = black ? 1 : 0; }

  // A block of the given size in one colour.
  static Block filled(int width, int height, bool black);
  // A copy of the picture's pixels in `area`, which must lie inside it.
  static Block copyOf(const CMonoPicture &picture, Rect area);
};

enum class Laying { Opaque, WhiteTransparent, BlackTransparent };

// Lays `block` with its top-left corner at `at`; a transparent laying sets
// only the pixels that differ from the transparent colour.
void layBlock(CMonoPicture &picture, const Block &block, Point at, Laying laying);

} // namespace pdx::animation
