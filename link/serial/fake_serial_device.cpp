#include "link/serial/fake_serial_device.h"

#include <algorithm>
#include <utility>

namespace pdx::link {

bool FakeSerialDevice::open(int index) {
  attempts_.push_back(index);
  if (port_ >= 0) {
    failure_ = OpenFailure::AlreadyOpen;
    return false;
  }
  if (openable_.count(index) == 0) {
    failure_ = OpenFailure::NoSuchDevice;
    return false;
  }
  failure_ = OpenFailure::None;
  port_ = index;
  hungUp_ = false;
  return true;
}

void FakeSerialDevice::close() {
  port_ = -1;
  incoming_.clear();
}

size_t FakeSerialDevice::read(std::span<uint8_t> buffer) {
  const size_t count = std::min(buffer.size(), incoming_.size());
  std::copy_n(incoming_.begin(), count, buffer.begin());
  incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<std::ptrdiff_t>(count));
  return count;
}

size_t FakeSerialDevice::writeByte(uint8_t byte) {
  if (port_ < 0) {
    return 0;
  }
  written_.push_back(byte);
  times_.push_back(loop_.now());
  if (hook_) {
    hook_(byte);
  }
  return 1;
}

size_t FakeSerialDevice::writeText(std::string_view text) {
  size_t count = 0;
  for (char c : text) {
    count += writeByte(static_cast<uint8_t>(c));
  }
  return count;
}

void FakeSerialDevice::deliver(std::span<const uint8_t> bytes) {
  if (port_ < 0) {
    return;
  }
  incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
  report();
}

void FakeSerialDevice::hangUp() {
  if (port_ < 0) {
    return;
  }
  hungUp_ = true;
  openable_.erase(port_);
  incoming_.clear();
  ++outstanding_;
  loop_.post([this] {
    if (arrived_) {
      arrived_();
    }
  });
}

void FakeSerialDevice::report() {
  if (outstanding_ > 0 || incoming_.empty() || !arrived_ || hungUp_) {
    return;
  }
  ++outstanding_;
  loop_.post([this] {
    if (arrived_) {
      arrived_();
    }
  });
}

void FakeSerialDevice::readerDone() {
  outstanding_ = std::max(0, outstanding_ - 1);
  report();
}

std::vector<uint8_t> FakeSerialDevice::takeWritten() {
  times_.clear();
  return std::exchange(written_, {});
}

} // namespace pdx::link
