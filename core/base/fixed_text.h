// Fixed-width code page 949 text as the records hold it: N bytes of text and
// one terminating zero, zero-padded.
#pragma once

#include "core/base/cp949.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace pdx {

template <size_t N> class FixedText {
public:
  static constexpr size_t kCapacity = N;

  FixedText() = default;
  explicit FixedText(std::string_view bytes) { set(bytes); }

  // The text up to its first zero byte.
  std::string_view view() const { return std::string_view(bytes_.data(), ::strnlen(bytes_.data(), N)); }
  bool empty() const { return bytes_[0] == '\0'; }
  void clear() { bytes_.fill('\0'); }

  // Copies `bytes`, cut byte-wise at N (names and numbers).
  void set(std::string_view bytes) { assign(bytes.substr(0, text::cutBytes(bytes, N))); }
  // Copies `bytes`, cut at N without splitting a double-byte character
  // (group names, alarm titles).
  void setWhole(std::string_view bytes) { assign(bytes.substr(0, text::cutWhole(bytes, N))); }
  // Removes a lead byte left without its trail byte at the end.
  void dropDanglingLead() { assign(view().substr(0, text::withoutDanglingLead(view()))); }

  std::string utf8() const { return text::toUtf8(view()); }

  friend bool operator==(const FixedText &a, const FixedText &b) { return a.view() == b.view(); }

private:
  void assign(std::string_view bytes) {
    std::array<char, N + 1> next{};
    std::copy(bytes.begin(), bytes.end(), next.begin());
    bytes_ = next;
  }

  std::array<char, N + 1> bytes_{};
};

} // namespace pdx
