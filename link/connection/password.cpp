#include "link/connection/password.h"

#include <algorithm>

namespace pdx::link {
namespace {

uint8_t packDigit(char c) {
  return c >= '1' && c <= '9' ? static_cast<uint8_t>(c - '0') : 0xA;
}

char unpackDigit(uint8_t half) {
  return half == 0xA ? '0' : static_cast<char>('0' + half % 10);
}

} // namespace

bool isValidPassword(std::string_view digits) {
  return digits.size() == 4 &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

PackedPassword packPassword(std::string_view digits) {
  std::array<uint8_t, 4> d{0xA, 0xA, 0xA, 0xA};
  for (size_t i = 0; i < std::min<size_t>(4, digits.size()); ++i) {
    d[i] = packDigit(digits[i]);
  }
  return {static_cast<uint8_t>(d[0] << 4 | d[1]), static_cast<uint8_t>(d[2] << 4 | d[3])};
}

std::string unpackPassword(PackedPassword packed) {
  return {unpackDigit(packed[0] >> 4), unpackDigit(packed[0] & 0xF), unpackDigit(packed[1] >> 4),
          unpackDigit(packed[1] & 0xF)};
}

} // namespace pdx::link
