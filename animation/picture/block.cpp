#include "animation/picture/block.h"

namespace pdx::animation {

Block Block::filled(int width, int height, bool black) {
  Block block{width, height, {}};
  block.ink.assign(static_cast<size_t>(width) * static_cast<size_t>(height), black ? 1 : 0);
  return block;
}

Block Block::copyOf(const CMonoPicture &picture, Rect area) {
  Block block = filled(area.width(), area.height(), false);
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      block.set(x, y, picture.pixel(area.left + x, area.top + y));
    }
  }
  return block;
}

void layBlock(CMonoPicture &picture, const Block &block, Point at, Laying laying) {
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      const bool black = block.at(x, y);
      if ((laying == Laying::WhiteTransparent && !black) || (laying == Laying::BlackTransparent && black)) {
        continue;
      }
      picture.setPixel(at.x + x, at.y + y, black);
    }
  }
}

} // namespace pdx::animation
