// The plumbing the simulators share: a new pseudo-terminal whose far side
// stays open (and raw) between the program's sessions, or an existing
// serial device set raw, and the loop that serves either.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <termios.h>
#include <utility>

namespace pdx::simulator {

struct PtyEnds {
  int fd = -1;      // the simulator's side
  int slaveFd = -1; // held open; -1 for a device
  std::string path; // what the program opens
};

// A new pseudo-terminal at `speed` (B19200, B115200...); nothing, with a
// Korean `error`, when it cannot be made.
std::optional<PtyEnds> createPty(speed_t speed, std::string &error);
// An existing serial device set to `speed` 8N1 raw.
std::optional<PtyEnds> openRawDevice(const std::string &path, speed_t speed, std::string &error);

// The simulator's end of a line; closed when it is hung up or destroyed.
class PtyLine {
public:
  explicit PtyLine(PtyEnds ends) : ends_(std::move(ends)) {}
  ~PtyLine() { hangUp(); }
  PtyLine(const PtyLine &) = delete;
  PtyLine &operator=(const PtyLine &) = delete;

  const std::string &path() const { return ends_.path; }
  // Writes all of `bytes`; false when the line failed or is closed.
  bool write(std::span<const uint8_t> bytes);

  using Due = std::function<std::chrono::milliseconds()>;
  using Received = std::function<bool(std::span<const uint8_t> bytes)>;
  // Serves until `stop` becomes true or the line is hung up. Before each
  // wait `due` sends what is due and tells how long the wait may last (at
  // most 100 ms keeps `stop` answered); the bytes read go to `received`,
  // which returns false to hang up. The line closes only here, once
  // `received` has returned, or when it is destroyed: never under a read
  // or a write.
  void serve(const std::atomic<bool> &stop, const Due &due, const Received &received);

private:
  void hangUp();

  PtyEnds ends_;
};

} // namespace pdx::simulator
