// The serial port as the link sees it: opened by port index, written one
// byte at a time, and read on the loop's thread when the device says that
// bytes arrived. Abstract so that tests can stand in for the hardware.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace pdx::link {

// Why a device could not be opened.
enum class OpenFailure {
  None,
  NoSuchDevice,
  PermissionDenied,
  Busy,
  NotASerialDevice,
  AlreadyOpen,
  Other,
};

// A Korean sentence telling the user what the failure means and what to do.
std::string describe(OpenFailure failure);

class SerialDevice {
public:
  virtual ~SerialDevice() = default;

  // Opens port `index` (0 = "COM1" .. 7 = "COM8") at 19200 bits per second,
  // 8 data bits, no parity, one stop bit, no flow control. Fails when a
  // port is already open.
  [[nodiscard]] virtual bool open(int index) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Why the last open failed (None after a successful open).
  virtual OpenFailure lastFailure() const = 0;

  // Reads what is queued, up to the buffer's size; 0 when nothing is.
  virtual size_t read(std::span<uint8_t> buffer) = 0;
  // Writes one byte; returns the count written (0 or 1).
  virtual size_t writeByte(uint8_t byte) = 0;
  // Writes all bytes at once; returns the count written.
  virtual size_t writeText(std::string_view text) = 0;

  // `callback` runs on the loop's thread when bytes arrived. At most one
  // call is outstanding: the device waits for readerDone() before it
  // reports again.
  virtual void setDataArrived(std::function<void()> callback) = 0;
  virtual void readerDone() = 0;

  // True once the open device hung up or failed (an adapter pulled, the far
  // end of a pseudo-terminal closed): nothing more will arrive, and the
  // device reports data-arrived once more so that the reader sees it.
  // Cleared by the next successful open.
  virtual bool hungUp() const = 0;
};

} // namespace pdx::link
