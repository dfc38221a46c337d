#include "animation/picture/spray.h"

#include <cstdlib>

namespace pdx::animation {

bool Spray::inMask(int dx, int dy) {
  // Half-width of the disk in each row, from the top row to the middle.
  static constexpr int kHalfWidth[] = {0, 2, 3, 4, 4, 5};
  if (dx < 0 || dx >= kSize || dy < 0 || dy >= kSize) {
    return false;
  }
  const int row = dy <= 5 ? dy : 10 - dy;
  return std::abs(dx - 5) <= kHalfWidth[row];
}

void Spray::sprayAt(CMonoPicture &picture, Point centre, bool ink) {
  if (!phasesDrawn_) {
    for (auto &phase : phases_) {
      phase = static_cast<uint8_t>(random_.below(8));
    }
    phasesDrawn_ = true;
  }
  const auto turn = static_cast<uint8_t>(counter_ % 8);
  for (int dy = 0; dy < kSize; ++dy) {
    for (int dx = 0; dx < kSize; ++dx) {
      if (inMask(dx, dy) && phases_[static_cast<size_t>(dy * kSize + dx)] == turn) {
        picture.setPixel(centre.x + dx - 5, centre.y + dy - 5, ink);
      }
    }
  }
  ++counter_;
}

} // namespace pdx::animation
