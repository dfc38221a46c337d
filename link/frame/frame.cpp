#include "link/frame/frame.h"

#include <algorithm>

namespace pdx::link {

std::vector<uint8_t> encodeFrame(uint8_t code, std::span<const uint8_t> data) {
  const auto body = data.first(std::min(data.size(), kMaxData));
  const size_t length = body.size() + 1;
  const auto high = static_cast<uint8_t>(length >> 8);
  const auto low = static_cast<uint8_t>(length & 0xFF);
  std::vector<uint8_t> bytes{kStart1, kStart2, high, low, code};
  bytes.insert(bytes.end(), body.begin(), body.end());
  uint8_t sum = static_cast<uint8_t>(high + low + code);
  for (uint8_t byte : body) {
    sum = static_cast<uint8_t>(sum + byte);
  }
  bytes.push_back(sum);
  return bytes;
}

void FrameParser::push(std::span<const uint8_t> bytes) {
  input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(position_));
  position_ = 0;
  input_.insert(input_.end(), bytes.begin(), bytes.end());
}

std::optional<Frame> FrameParser::next() {
  while (position_ < input_.size()) {
    bool consumed = true;
    const bool complete = step(input_[position_], consumed);
    if (consumed) {
      ++position_;
    }
    if (complete) {
      return Frame{payload_[0], std::vector<uint8_t>(payload_.begin() + 1, payload_.begin() + length_)};
    }
  }
  input_.clear();
  position_ = 0;
  return std::nullopt;
}

void FrameParser::store(uint8_t byte) {
  payload_[count_++] = byte;
  sum_ = static_cast<uint8_t>(sum_ + byte);
}

bool FrameParser::step(uint8_t byte, bool &consumed) {
  switch (state_) {
  case State::Hunt:
    state_ = byte == kStart1 ? State::Start2 : State::Hunt;
    return false;
  case State::Start2:
    if (byte != kStart2) {
      // Noise may end in a start byte: this one may begin the frame.
      consumed = false;
    }
    state_ = byte == kStart2 ? State::LengthHigh : State::Hunt;
    return false;
  case State::LengthHigh:
    length_ = byte;
    sum_ = byte;
    state_ = State::LengthLow;
    return false;
  case State::LengthLow:
    length_ = length_ * 256 + byte;
    if (length_ < 1 || length_ > kMaxLength) {
      consumed = false;
      state_ = State::Hunt;
      return false;
    }
    sum_ = static_cast<uint8_t>(sum_ + byte);
    count_ = 0;
    state_ = State::Code;
    return false;
  case State::Code:
    if (!accepted_.test(byte)) {
      consumed = false;
      state_ = State::Hunt;
      return false;
    }
    store(byte);
    state_ = count_ == length_ ? State::Sum : State::Data;
    return false;
  case State::Data:
    store(byte);
    if (count_ == length_) {
      state_ = State::Sum;
    }
    return false;
  case State::Sum:
    state_ = State::Hunt;
    return byte == sum_;
  }
  return false;
}

} // namespace pdx::link
