#include "animation/effects/effect_player.h"

#include <algorithm>

namespace pdx::animation {

namespace {

constexpr int W = CMonoPicture::kWidth;
constexpr int H = CMonoPicture::kHeight;

// Moves `value` by `step` toward `target` without passing it.
int approach(int value, int target, int step) {
  return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

int wrapAround(int value, int size) {
  return ((value % size) + size) % size;
}

} // namespace

bool CEffectPlayer::start(uint16_t code, const CMonoPicture &picture) {
  code_ = code;
  picture_ = picture;
  initialise();
  running_ = true;
  return frame();
}

bool CEffectPlayer::next() {
  return running_ && frame();
}

bool CEffectPlayer::frame() {
  bool more = false;
  switch (family_) {
  case Family::Slide:
    more = slideFrame();
    break;
  case Family::Stretch:
    more = stretchFrame();
    break;
  case Family::Smear:
    more = smearFrame();
    break;
  case Family::Dots:
    more = dotsFrame();
    break;
  case Family::Single:
  case Family::Rolling:
    piecesFrame();
    more = true;
    break;
  case Family::None:
    display_ = picture_;
    break;
  }
  running_ = more;
  return more;
}

void CEffectPlayer::initialise() {
  struct Slide {
    int dx, dy;
  };
  static constexpr Slide kSlides[] = {{-88, 0}, {88, 0}, {0, -47}, {0, 47}};
  const int c = code_;
  if (c <= 3 || (c >= 10 && c <= 13) || c == 26) {
    family_ = Family::Slide;
    const Slide s = c == 26 ? Slide{-104, -47} : kSlides[c % 10];
    dx_ = s.dx;
    dy_ = s.dy;
    wrap_ = c >= 10 && c <= 13;
  } else if ((c >= 4 && c <= 6) || (c >= 20 && c <= 22)) {
    family_ = Family::Stretch;
    height_ = c <= 6 ? 1 : H;
    target_ = c <= 6 ? H : 0;
  } else if (c == 7 || c == 8 || c == 23 || c == 24) {
    family_ = Family::Smear;
    row_ = (c == 7 || c == 24) ? 50 : 0;
    endRow_ = c == 7 ? 0 : c == 8 ? 50 : c == 23 ? 51 : -1;
    rowStep_ = row_ < endRow_ ? 4 : -4;
  } else if (c == 9 || c == 25) {
    family_ = Family::Dots;
    permutation_.fill(-1);
    for (int i = 0; i < 16; ++i) {
      uint32_t slot = random_.below(16);
      while (permutation_[slot] >= 0) {
        slot = random_.below(16);
      }
      permutation_[slot] = i;
    }
    step_ = 0;
    display_ = c == 9 ? CMonoPicture() : picture_;
  } else if (c >= 14 && c <= 19) {
    family_ = c % 2 == 0 ? Family::Single : Family::Rolling;
    pieces_ = 2 + (c - 14) / 2;
    position_ = 0;
  } else {
    family_ = Family::None;
  }
}

bool CEffectPlayer::slideFrame() {
  display_.clear();
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      int sx = x - dx_, sy = y - dy_;
      if (wrap_) {
        sx = wrapAround(sx, W);
        sy = wrapAround(sy, H);
      }
      display_.setPixel(x, y, picture_.pixel(sx, sy));
    }
  }
  const bool more = dx_ != 0 || dy_ != 0;
  dx_ = approach(dx_, 0, 8);
  dy_ = approach(dy_, 0, 4);
  return more;
}

void CEffectPlayer::copyRow(int to, int from) {
  for (int x = 0; x < W; ++x) {
    display_.setPixel(x, to, picture_.pixel(x, from));
  }
}

bool CEffectPlayer::stretchFrame() {
  display_.clear();
  const int anchor = (code_ == 5 || code_ == 21)   ? 0
                     : (code_ == 4 || code_ == 20) ? (H - height_) / 2
                                                   : H - height_;
  int to = anchor;
  int lastPicked = -1;
  for (int i = 0, accumulator = 0; i < H && height_ > 0; ++i, accumulator += height_) {
    if (i == 0 || accumulator / H != lastPicked) {
      lastPicked = accumulator / H;
      copyRow(to++, i);
    }
  }
  const bool more = height_ != target_;
  height_ = approach(height_, target_, 4);
  return more;
}

bool CEffectPlayer::smearFrame() {
  display_ = picture_;
  const bool above = code_ == 7 || code_ == 23;
  const int first = above ? 0 : row_ + 1;
  const int last = above ? row_ - 1 : H - 1;
  for (int y = first; y <= last; ++y) {
    for (int x = 0; x < W; ++x) {
      display_.setPixel(x, y, display_.pixel(x, row_));
    }
  }
  if (row_ < 0 || row_ >= H) {
    display_.clear();
  }
  const bool more = row_ != endRow_;
  row_ = approach(row_, endRow_, 4);
  return more;
}

bool CEffectPlayer::dotsFrame() {
  const int k = permutation_[static_cast<size_t>(step_)];
  const bool appear = code_ == 9;
  int cell = 0;
  for (int top = 0; top < H; top += 4) {
    for (int left = 0; left < W; left += 4) {
      const int m = (k + cell) % 16;
      const int x = left + m / 4, y = top + m % 4;
      display_.setPixel(x, y, appear && picture_.pixel(x, y));
      cell = cell == 188 ? 196 : cell + 1;
    }
  }
  const bool more = step_ < 15;
  ++step_;
  return more;
}

void CEffectPlayer::piecesFrame() {
  display_.clear();
  const int width = W / pieces_;
  const int shown = family_ == Family::Single ? 1 : pieces_;
  const int firstColumn = family_ == Family::Single ? (W - width) / 2 : 0;
  for (int j = 0; j < shown; ++j) {
    const int piece = (position_ + j) % pieces_;
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < width; ++x) {
        display_.setPixel(firstColumn + j * width + x, y, picture_.pixel(piece * width + x, y));
      }
    }
  }
  position_ = family_ == Family::Single ? (position_ + 1) % pieces_ : (position_ + pieces_ - 1) % pieces_;
}

std::vector<CMonoPicture> effectFrames(uint16_t code, const CMonoPicture &picture, RandomSource &random,
                                       size_t maxFrames) {
  std::vector<CMonoPicture> frames;
  CEffectPlayer player(random);
  bool more = player.start(code, picture);
  if (maxFrames > 0) {
    frames.push_back(player.display());
  }
  while (more && frames.size() < maxFrames) {
    more = player.next();
    frames.push_back(player.display());
  }
  return frames;
}

} // namespace pdx::animation
