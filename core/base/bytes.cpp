#include "core/base/bytes.h"

#include <algorithm>
#include <cstring>

namespace pdx {

void ByteWriter::u16(uint16_t v) {
  u8(static_cast<uint8_t>(v & 0xFF));
  u8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::u32(uint32_t v) {
  u16(static_cast<uint16_t>(v & 0xFFFF));
  u16(static_cast<uint16_t>(v >> 16));
}

void ByteWriter::text(std::string_view text, size_t width) {
  const size_t n = std::min(text.size(), width);
  bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
  zeros(width - n);
}

bool ByteReader::take(size_t count) {
  if (failed_ || count > remaining()) {
    failed_ = true;
    pos_ = data_.size();
    return false;
  }
  return true;
}

uint8_t ByteReader::u8() {
  return static_cast<uint8_t>(little(1));
}

uint16_t ByteReader::u16() {
  return static_cast<uint16_t>(little(2));
}

uint32_t ByteReader::u32() {
  return little(4);
}

uint32_t ByteReader::little(size_t width) {
  if (!take(width)) {
    return 0;
  }
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) {
    value |= static_cast<uint32_t>(data_[pos_ + i]) << (8 * i);
  }
  pos_ += width;
  return value;
}

void ByteReader::skip(size_t count) {
  if (take(count)) {
    pos_ += count;
  }
}

std::string_view ByteReader::raw(size_t width) {
  if (!take(width)) {
    return {};
  }
  const char *start = reinterpret_cast<const char *>(data_.data() + pos_);
  pos_ += width;
  return std::string_view(start, width);
}

std::string_view ByteReader::text(size_t width) {
  if (!take(width)) {
    return {};
  }
  const char *start = reinterpret_cast<const char *>(data_.data() + pos_);
  pos_ += width;
  const void *zero = std::memchr(start, 0, width);
  return std::string_view(start, zero ? static_cast<const char *>(zero) - start : width);
}

} // namespace pdx
