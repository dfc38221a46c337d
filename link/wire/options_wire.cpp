#include "link/wire/options_wire.h"

#include "link/connection/password.h"

#include <charconv>
#include <cstdio>

namespace pdx::link::wire {
namespace {

constexpr size_t kDigitsAOffset = 14;
constexpr size_t kDigitsBOffset = 19;
constexpr size_t kMiddleOffset = 27;
constexpr size_t kNumberOffset = 36;
constexpr size_t kTailOffset = 38;
constexpr size_t kTextOffset = 40;
constexpr size_t kPasswordOffset = 57;

// Length byte, then one digit per byte: "1".."9" as 1..9, anything else 10.
void putDigits(std::span<uint8_t> out, size_t offset, std::string_view digits, size_t width) {
  const size_t count = std::min(digits.size(), width);
  out[offset] = static_cast<uint8_t>(count);
  for (size_t i = 0; i < count; ++i) {
    const char c = digits[i];
    out[offset + 1 + i] = c >= '1' && c <= '9' ? static_cast<uint8_t>(c - '0') : 10;
  }
}

std::string getDigits(std::span<const uint8_t> in, size_t offset, size_t width) {
  const size_t count = std::min<size_t>(in[offset], width);
  std::string digits;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t v = in[offset + 1 + i];
    digits.push_back(v >= 1 && v <= 9 ? static_cast<char>('0' + v) : '0');
  }
  return digits;
}

uint16_t threeDigitValue(std::string_view text) {
  int value = 0;
  (void)std::from_chars(text.data(), text.data() + text.size(), value);
  return static_cast<uint16_t>(std::clamp(value, 0, 999));
}

} // namespace

Bytes encodeOptions(const core::PhoneOptions &options) {
  Bytes out(kOptionRecordSize, 0);
  for (size_t i = 0; i < options.head.size(); ++i) {
    out[i] = static_cast<uint8_t>(options.head[i]);
  }
  putDigits(out, kDigitsAOffset, options.digitsA.view(), 4);
  putDigits(out, kDigitsBOffset, options.digitsB.view(), 7);
  for (size_t i = 0; i < options.middle.size(); ++i) {
    out[kMiddleOffset + i] = static_cast<uint8_t>(options.middle[i]);
  }
  putU16(out, kNumberOffset, threeDigitValue(options.number3.view()));
  for (size_t i = 0; i < options.tail.size(); ++i) {
    out[kTailOffset + i] = static_cast<uint8_t>(options.tail[i]);
  }
  putText(out, kTextOffset, options.text.view(), 16);
  const PackedPassword password = packPassword(options.password.view());
  out[kPasswordOffset] = password[0];
  out[kPasswordOffset + 1] = password[1];
  return out;
}

core::PhoneOptions decodeOptions(std::span<const uint8_t> record) {
  const Bytes in = padded(record, kOptionRecordSize);
  core::PhoneOptions options;
  for (size_t i = 0; i < options.head.size(); ++i) {
    options.head[i] = in[i];
  }
  options.digitsA.set(getDigits(in, kDigitsAOffset, 4));
  options.digitsB.set(getDigits(in, kDigitsBOffset, 7));
  for (size_t i = 0; i < options.middle.size(); ++i) {
    options.middle[i] = in[kMiddleOffset + i];
  }
  char number[8];
  std::snprintf(number, sizeof number, "%03u",
                static_cast<unsigned>(std::min<uint16_t>(getU16(in, kNumberOffset), 999)));
  options.number3.set(number);
  for (size_t i = 0; i < options.tail.size(); ++i) {
    options.tail[i] = in[kTailOffset + i];
  }
  options.text.set(getText(in, kTextOffset, 16));
  options.password.set(unpackPassword({in[kPasswordOffset], in[kPasswordOffset + 1]}));
  return options;
}

} // namespace pdx::link::wire
