// Computes the frames of a transition effect on a display picture. The
// caller owns the timing (one frame each 150 ms in the editor's preview):
// start() computes frame 0, each next() the following one, and both say
// whether more frames follow.
#pragma once

#include "animation/file/mono_picture.h"
#include "animation/file/random_source.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pdx::animation {

class CEffectPlayer {
public:
  explicit CEffectPlayer(RandomSource &random) : random_(random) {}

  // Starts effect `code` over a copy of `picture` and computes frame 0. A
  // code without frames (above 26) shows the plain picture and ends at once.
  bool start(uint16_t code, const CMonoPicture &picture);
  // Computes the next frame; false once the effect has shown its last.
  bool next();
  bool running() const { return running_; }
  const CMonoPicture &display() const { return display_; }

private:
  enum class Family { None, Slide, Stretch, Smear, Dots, Single, Rolling };

  bool frame();
  void initialise();
  bool slideFrame();
  bool stretchFrame();
  bool smearFrame();
  bool dotsFrame();
  void piecesFrame();
  void copyRow(int to, int from);

  RandomSource &random_;
  uint16_t code_ = 0;
  Family family_ = Family::None;
  bool running_ = false;
  CMonoPicture picture_;
  CMonoPicture display_;
  int dx_ = 0, dy_ = 0;
  bool wrap_ = false;
  int height_ = 0, target_ = 0;
  int row_ = 0, endRow_ = 0, rowStep_ = 0;
  std::array<int, 16> permutation_{};
  int step_ = 0;
  int pieces_ = 0, position_ = 0;
};

// Every frame of an effect in order, at most `maxFrames` (endless effects).
std::vector<CMonoPicture> effectFrames(uint16_t code, const CMonoPicture &picture, RandomSource &random,
                                       size_t maxFrames);

} // namespace pdx::animation
