// A serial device in memory for tests: records what the link writes (with
// the loop's time of each byte) and delivers bytes the test queues, through
// the same one-outstanding-notification handshake as a real port.
#pragma once

#include "core/base/event_loop.h"
#include "link/serial/serial_device.h"

#include <deque>
#include <set>
#include <vector>

namespace pdx::link {

class FakeSerialDevice : public SerialDevice {
public:
  explicit FakeSerialDevice(EventLoop &loop) : loop_(loop) {}

  // Ports that open; every other index fails with NoSuchDevice.
  void setOpenablePorts(std::set<int> ports) { openable_ = std::move(ports); }
  // Called with every byte the link writes (after it was recorded).
  void setWriteHook(std::function<void(uint8_t)> hook) { hook_ = std::move(hook); }

  bool open(int index) override;
  void close() override;
  bool isOpen() const override { return port_ >= 0; }
  OpenFailure lastFailure() const override { return failure_; }
  size_t read(std::span<uint8_t> buffer) override;
  size_t writeByte(uint8_t byte) override;
  size_t writeText(std::string_view text) override;
  void setDataArrived(std::function<void()> callback) override { arrived_ = std::move(callback); }
  void readerDone() override;
  bool hungUp() const override { return hungUp_; }

  // The device goes away as a pulled adapter does: it reports once more,
  // and reads find nothing. Reopening needs the port openable again.
  void hangUp();

  // Queues bytes from the phone and reports them unless a report is
  // outstanding. Ignored while the port is closed.
  void deliver(std::span<const uint8_t> bytes);

  int port() const { return port_; }
  // Every port index that open() was called with, in order.
  const std::vector<int> &openAttempts() const { return attempts_; }
  // Bytes written since the last take, and the time of each.
  std::vector<uint8_t> takeWritten();
  const std::vector<Millis> &writeTimes() const { return times_; }
  int outstandingReports() const { return outstanding_; }

private:
  void report();

  EventLoop &loop_;
  std::set<int> openable_;
  std::function<void(uint8_t)> hook_;
  std::function<void()> arrived_;
  int port_ = -1;
  OpenFailure failure_ = OpenFailure::None;
  std::vector<int> attempts_;
  std::deque<uint8_t> incoming_;
  std::vector<uint8_t> written_;
  std::vector<Millis> times_;
  int outstanding_ = 0;
  bool hungUp_ = false;
};

} // namespace pdx::link
