#include "animation/image/lzw_decoder.h"

#include <algorithm>
#include <array>
#include <memory>

namespace pdx::animation {

namespace {

constexpr int kMaxCodes = 4096;
// Sizes above 8 cannot name more colours than a table holds, but encoders
// write them and common readers take them up to 11 (codes start at 12 bits);
// literal codes keep their low 8 bits, as a colour index is one byte.
constexpr int kMaxMinimumCodeSize = 11;

// Reads codes least significant bit first across the data sub-blocks.
class CodeReader {
public:
  explicit CodeReader(std::span<const uint8_t> blocks) : blocks_(blocks) {}

  // False when the data (or the terminating empty block) has been reached.
  bool read(int bits, int &code) {
    while (count_ < bits) {
      int byte = 0;
      if (!nextByte(byte)) {
        return false;
      }
      buffer_ |= static_cast<uint32_t>(byte) << count_;
      count_ += 8;
    }
    code = static_cast<int>(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    count_ -= bits;
    return true;
  }

private:
  bool nextByte(int &byte) {
    if (left_ == 0) {
      if (pos_ >= blocks_.size() || blocks_[pos_] == 0) {
        return false;
      }
      left_ = blocks_[pos_++];
    }
    if (pos_ >= blocks_.size()) {
      return false;
    }
    byte = blocks_[pos_++];
    --left_;
    return true;
  }

  std::span<const uint8_t> blocks_;
  size_t pos_ = 0;
  size_t left_ = 0;
  uint32_t buffer_ = 0;
  int count_ = 0;
};

struct Table {
  std::array<uint16_t, kMaxCodes> prefix{};
  std::array<uint8_t, kMaxCodes> suffix{};
  std::array<uint8_t, kMaxCodes> first{};
  std::array<uint16_t, kMaxCodes> length{};
};

} // namespace

bool decodeLzw(std::span<const uint8_t> data, size_t pixels, std::vector<uint8_t> &indices) {
  indices.assign(pixels, 0);
  if (data.empty() || data[0] < 1 || data[0] > kMaxMinimumCodeSize) {
    return false;
  }
  const int minSize = data[0];
  const int clear = 1 << minSize, end = clear + 1;
  auto table = std::make_unique<Table>();
  for (int c = 0; c < clear; ++c) {
    table->suffix[c] = table->first[c] = static_cast<uint8_t>(c);
    table->length[c] = 1;
  }
  CodeReader reader(data.subspan(1));
  int size = minSize + 1, next = clear + 2, previous = -1, code = 0;
  size_t out = 0;
  while (out < pixels && reader.read(size, code) && code != end) {
    if (code == clear) {
      size = minSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code > next || (previous < 0 && code >= clear)) {
      break;
    }
    if (previous >= 0 && next < kMaxCodes) {
      const int added = next++;
      table->prefix[added] = static_cast<uint16_t>(previous);
      table->first[added] = table->first[previous];
      table->suffix[added] = code == added ? table->first[previous] : table->first[code];
      table->length[added] = static_cast<uint16_t>(table->length[previous] + 1);
      if (next == (1 << size) && size < 12) {
        ++size;
      }
    } else if (code == next) {
      break;
    }
    // Writes the string of `code` backwards from its last character.
    const size_t length = table->length[code];
    const size_t last = std::min(out + length, pixels);
    int c = code;
    for (size_t i = out + length; i > out; --i) {
      if (i - 1 < last) {
        indices[i - 1] = table->suffix[c];
      }
      c = table->prefix[c];
    }
    out = last;
    previous = code;
  }
  return true;
}

} // namespace pdx::animation
