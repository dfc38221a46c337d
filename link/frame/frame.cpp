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

bool FrameParser::inHeader() const {
  return state_ == State::Start2 || state_ == State::LengthHigh || state_ == State::LengthLow ||
         state_ == State::Code;
}

// Drops the bytes already used, keeping a header being read so that a
// rejection can examine it again.
void FrameParser::compact() {
  const size_t keep = inHeader() ? start_ : position_;
  input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(keep));
  position_ -= keep;
  start_ -= std::min(start_, keep);
}

void FrameParser::push(std::span<const uint8_t> bytes) {
  compact();
  input_.insert(input_.end(), bytes.begin(), bytes.end());
}

std::optional<Frame> FrameParser::next() {
  while (position_ < input_.size()) {
    const uint8_t byte = input_[position_];
    if (state_ == State::Hunt) {
      start_ = position_;
    }
    switch (step(byte)) {
    case Step::More:
      ++position_;
      break;
    case Step::Rejected:
      // The header was noise: every byte after its start byte may begin
      // the real frame.
      state_ = State::Hunt;
      position_ = start_ + 1;
      break;
    case Step::Complete:
      ++position_;
      return Frame{payload_[0], std::vector<uint8_t>(payload_.begin() + 1, payload_.begin() + length_)};
    }
  }
  compact();
  return std::nullopt;
}

void FrameParser::store(uint8_t byte) {
  payload_[count_++] = byte;
  sum_ = static_cast<uint8_t>(sum_ + byte);
}

FrameParser::Step FrameParser::step(uint8_t byte) {
  switch (state_) {
  case State::Hunt:
    state_ = byte == kStart1 ? State::Start2 : State::Hunt;
    return Step::More;
  case State::Start2:
    if (byte != kStart2) {
      return Step::Rejected;
    }
    state_ = State::LengthHigh;
    return Step::More;
  case State::LengthHigh:
    length_ = byte;
    sum_ = byte;
    state_ = State::LengthLow;
    return Step::More;
  case State::LengthLow:
    length_ = length_ * 256 + byte;
    if (length_ < 1 || length_ > kMaxLength) {
      return Step::Rejected;
    }
    sum_ = static_cast<uint8_t>(sum_ + byte);
    count_ = 0;
    state_ = State::Code;
    return Step::More;
  case State::Code:
    if (!accepted_.test(byte)) {
      return Step::Rejected;
    }
    store(byte);
    state_ = count_ == length_ ? State::Sum : State::Data;
    return Step::More;
  case State::Data:
    store(byte);
    if (count_ == length_) {
      state_ = State::Sum;
    }
    return Step::More;
  case State::Sum:
    state_ = State::Hunt;
    return byte == sum_ ? Step::Complete : Step::More;
  }
  return Step::More;
}

} // namespace pdx::link
