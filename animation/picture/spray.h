// The spray can: an 11 x 11 disk of 73 cells, each sprayed on one of eight
// turns given by a random phase table that is drawn once.
#pragma once

#include "animation/file/random_source.h"
#include "animation/picture/raster.h"

#include <array>
#include <cstdint>

namespace pdx::animation {

class Spray {
public:
  static constexpr int kSize = 11;

  explicit Spray(RandomSource &random) : random_(random) {}

  // True for the cells of the disk, dx and dy from 0 to 10.
  static bool inMask(int dx, int dy);
  // Sets the disk cells whose phase matches this turn around `centre`, then
  // moves on to the next turn.
  void sprayAt(CMonoPicture &picture, Point centre, bool ink);
  uint64_t counter() const { return counter_; }

private:
  RandomSource &random_;
  std::array<uint8_t, kSize * kSize> phases_{};
  bool phasesDrawn_ = false;
  uint64_t counter_ = 0;
};

} // namespace pdx::animation
