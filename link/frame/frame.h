// The frame of the phone link: "PC", a big-endian length that counts the
// code byte, the code, the data and a one-byte sum. No escaping, no end mark.
#pragma once

#include "link/frame/codes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pdx::link {

inline constexpr uint8_t kStart1 = 0x50;
inline constexpr uint8_t kStart2 = 0x43;
// Largest length field: the code byte and 2047 data bytes.
inline constexpr size_t kMaxLength = 2048;
inline constexpr size_t kMaxData = kMaxLength - 1;

struct Frame {
  uint8_t code = 0;
  std::vector<uint8_t> data;

  friend bool operator==(const Frame &, const Frame &) = default;
};

// The bytes of one frame on the wire; `data` longer than kMaxData is cut.
std::vector<uint8_t> encodeFrame(uint8_t code, std::span<const uint8_t> data);

// Assembles frames from bytes pushed in pieces of any size. Frames with a
// code outside `accepted`, a length outside 1..2048 or a wrong sum are
// dropped silently; the hunt for "PC" resynchronises after any of them. A
// header that proves to be noise (no "C" after the "P", a length or code out
// of range) is examined again from the byte after its "P", so noise before
// a frame never costs the frame.
class FrameParser {
public:
  explicit FrameParser(const CodeSet &accepted) : accepted_(accepted) {}

  // Appends newly read bytes to the input.
  void push(std::span<const uint8_t> bytes);
  // The next complete frame in the input, or none once the input is used up
  // (a partial frame is kept for the next push).
  std::optional<Frame> next();

  int state() const { return static_cast<int>(state_); }

private:
  enum class State { Hunt, Start2, LengthHigh, LengthLow, Code, Data, Sum };
  enum class Step { More, Complete, Rejected };

  Step step(uint8_t byte);
  void store(uint8_t byte);
  bool inHeader() const;
  void compact();

  CodeSet accepted_;
  State state_ = State::Hunt;
  size_t length_ = 0;
  size_t count_ = 0;
  uint8_t sum_ = 0;
  std::array<uint8_t, kMaxLength> payload_{};
  std::vector<uint8_t> input_;
  size_t position_ = 0;
  // Where in `input_` the header being read began.
  size_t start_ = 0;
};

} // namespace pdx::link
