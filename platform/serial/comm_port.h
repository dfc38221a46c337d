// A serial port on termios: COM1..COM8 name device paths from a port table.
// A watch thread waits for input and hands it to the loop's thread with one
// notification outstanding at a time; the loop's thread reads the bytes and
// says when it is done (readerDone).
#pragma once

#include "core/base/event_loop.h"
#include "link/serial/serial_device.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace pdx::platform {

inline constexpr int kPortCount = 8;
using PortTable = std::array<std::string, kPortCount>;

// "COM1".."COM8".
const char *portName(int index);

// The line settings, named and ordered as the settings block stores them.
struct PortSettings {
  uint32_t baudRate = 19200;
  uint8_t dataBits = 8;
  uint8_t parity = 0; // 0 none, 1 odd, 2 even, 3 mark, 4 space
  uint32_t port = 0;
  uint32_t rtsCts = 1;
  uint8_t stopBits = 0; // 0 one, 1 one and a half (two here), 2 two
  uint32_t xonXoff = 0;
  uint32_t dtrDsr = 0; // not available on Linux; SetDtr then leaves the line alone

  static constexpr std::array<const char *, 8> kNames = {"BaudRate", "DataBits", "Parity",  "Port",
                                                         "RTSCTS",   "StopBits", "XONXOFF", "DTRDSR"};
};

inline constexpr int kWriteTimeoutMs = 5000;

class CCommPort : public link::SerialDevice {
public:
  CCommPort(EventLoop &loop, PortTable ports);
  ~CCommPort() override;
  CCommPort(const CCommPort &) = delete;
  CCommPort &operator=(const CCommPort &) = delete;

  PortSettings &settings() { return settings_; }
  const PortTable &ports() const { return ports_; }

  // Opens port `index` at 19200 8N1 without flow control (the phone's line).
  bool open(int index) override;
  // Opens the port named by settings().port with all of settings().
  [[nodiscard]] bool openConfigured();
  void close() override;
  bool isOpen() const override { return open_; }
  link::OpenFailure lastFailure() const override { return failure_; }
  bool openFailed() const { return failure_ != link::OpenFailure::None; }

  size_t read(std::span<uint8_t> buffer) override;
  size_t writeByte(uint8_t byte) override;
  size_t writeText(std::string_view text) override;
  // 0, or 2 when DTR is under handshake control (nothing is done then). A
  // device without a DTR line (a pseudo-terminal) is left as it is.
  int setDtr(bool on);

  void setDataArrived(std::function<void()> callback) override { arrived_ = std::move(callback); }
  void readerDone() override;
  bool hungUp() const override { return hungUp_; }

private:
  bool configureLine();
  void watch(int generation);
  void purge();
  size_t writeAll(const uint8_t *data, size_t size);

  EventLoop &loop_;
  PortTable ports_;
  PortSettings settings_;
  int fd_ = -1;
  std::atomic<bool> open_{false};
  std::atomic<bool> hungUp_{false};
  link::OpenFailure failure_ = link::OpenFailure::None;
  std::function<void()> arrived_;

  std::thread watcher_;
  int wakeRead_ = -1;
  int wakeWrite_ = -1;
  std::mutex mutex_;
  std::condition_variable readerDoneChanged_;
  bool readerDone_ = true;
  std::atomic<int> generation_{0};
  // Posted notifications hold a weak reference, so none outlives the port.
  std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

} // namespace pdx::platform
