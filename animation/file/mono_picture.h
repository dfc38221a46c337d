// The 96 x 51 black-and-white picture as files and the phone hold it: 12
// bands of 8 columns, each band 51 bytes from the top row down, the leftmost
// column of a band in the most significant bit. A set bit is black ink.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pdx::animation {

class CMonoPicture {
public:
  static constexpr int kWidth = 96;
  static constexpr int kHeight = 51;
  static constexpr size_t kBytes = 612;
  using Bits = std::array<uint8_t, kBytes>;

  static constexpr bool inside(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }
  // Index of the byte holding pixel (x, y), which must be inside.
  static constexpr size_t byteIndex(int x, int y) { return static_cast<size_t>((x / 8) * kHeight + y); }
  static constexpr uint8_t bitMask(int x) { return static_cast<uint8_t>(0x80 >> (x % 8)); }

  // True for black; pixels outside the picture are white.
  bool pixel(int x, int y) const { return inside(x, y) && (bits_[byteIndex(x, y)] & bitMask(x)) != 0; }
  // Sets or clears a pixel; pixels outside the picture are dropped.
  void setPixel(int x, int y, bool ink) {
    if (!inside(x, y)) {
      return;
    }
    if (ink) {
      bits_[byteIndex(x, y)] |= bitMask(x);
    } else {
      bits_[byteIndex(x, y)] &= static_cast<uint8_t>(~bitMask(x));
    }
  }
  void clear() { bits_.fill(0); }

  const Bits &bits() const { return bits_; }
  void setBits(const Bits &bits) { bits_ = bits; }

  friend bool operator==(const CMonoPicture &a, const CMonoPicture &b) { return a.bits_ == b.bits_; }

private:
  Bits bits_{};
};

} // namespace pdx::animation
