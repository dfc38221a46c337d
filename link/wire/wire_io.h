// Field access for the phone's payloads: fixed offsets, big-endian numbers,
// zero-padded code page 949 text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pdx::link::wire {

using Bytes = std::vector<uint8_t>;

inline void putText(std::span<uint8_t> out, size_t offset, std::string_view text, size_t width) {
  const size_t count = std::min(text.size(), width);
  std::copy_n(text.begin(), count, out.begin() + static_cast<std::ptrdiff_t>(offset));
}

inline void putU16(std::span<uint8_t> out, size_t offset, uint16_t value) {
  out[offset] = static_cast<uint8_t>(value >> 8);
  out[offset + 1] = static_cast<uint8_t>(value & 0xFF);
}

inline void putU32(std::span<uint8_t> out, size_t offset, uint32_t value) {
  putU16(out, offset, static_cast<uint16_t>(value >> 16));
  putU16(out, offset + 2, static_cast<uint16_t>(value & 0xFFFF));
}

// The text of a field up to its first zero byte, at most `width` bytes.
inline std::string_view getText(std::span<const uint8_t> in, size_t offset, size_t width) {
  const auto *begin = reinterpret_cast<const char *>(in.data() + offset);
  const auto *end = std::find(begin, begin + width, '\0');
  return {begin, static_cast<size_t>(end - begin)};
}

inline uint16_t getU16(std::span<const uint8_t> in, size_t offset) {
  return static_cast<uint16_t>(in[offset] << 8 | in[offset + 1]);
}

inline uint32_t getU32(std::span<const uint8_t> in, size_t offset) {
  return static_cast<uint32_t>(getU16(in, offset)) << 16 | getU16(in, offset + 2);
}

// A received payload of at least `size` bytes: a short one is zero-padded,
// so a truncated frame can never be read past its end.
inline Bytes padded(std::span<const uint8_t> in, size_t size) {
  Bytes out(in.begin(), in.end());
  if (out.size() < size) {
    out.resize(size, 0);
  }
  return out;
}

} // namespace pdx::link::wire
