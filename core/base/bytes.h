// Little-endian, field-by-field reading and writing of fixed-layout records.
#pragma once

#include "core/base/fixed_text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pdx {

class ByteWriter {
public:
  void u8(uint8_t v) { bytes_.push_back(v); }
  void u16(uint16_t v);
  void u32(uint32_t v);
  void raw(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  // Writes `text` into a field of `width` bytes, cut and zero-padded.
  void text(std::string_view text, size_t width);
  template <size_t N> void text(const FixedText<N> &t) { text(t.view(), N + 1); }

  const std::vector<uint8_t> &bytes() const { return bytes_; }
  std::vector<uint8_t> take() { return std::move(bytes_); }

private:
  std::vector<uint8_t> bytes_;
};

// Reads from a byte span; a read past the end yields zeros and sets the
// sticky failure flag, so a record is read whole and checked once.
class ByteReader {
public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  uint8_t u8();
  uint16_t u16();
  uint32_t u32();
  void skip(size_t count);
  // Reads a field of `width` bytes as text up to its first zero byte.
  std::string_view text(size_t width);
  template <size_t N> void text(FixedText<N> &t) { t.set(text(N + 1)); }
  // Reads a field of `width` bytes as it stands, zero bytes included.
  std::string_view raw(size_t width);

  size_t position() const { return pos_; }
  size_t remaining() const { return data_.size() - pos_; }
  bool failed() const { return failed_; }

private:
  bool take(size_t count);
  uint32_t little(size_t width);

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  bool failed_ = false;
};

} // namespace pdx
