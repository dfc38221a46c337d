// Plays the phone over a serial device: a pseudo-terminal it creates, or a
// device it is given. Frames from the program go to the phone model; its
// answers go back, optionally paced at the cable's rate, dropped, corrupted
// or withheld for tests.
#pragma once

#include "simulator/phone_model.h"
#include "simulator/pty_port.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <vector>

namespace pdx::simulator {

// What the phone sends without being asked, every `pushEvery`.
enum class Push { Pong, Sms, Noise };

struct Faults {
  bool pace = false;                            // 1920 bytes a second both ways, as at 19200 baud
  double dropRate = 0;                          // share of answer frames never sent
  double corruptRate = 0;                       // share of answer frames sent with a wrong sum
  bool silent = false;                          // never answer
  std::chrono::milliseconds latency{0};         // before each answer
  std::chrono::milliseconds passwordLatency{0}; // before the password's answer
  // Pushed frames: a PONG, the first received message, or stray bytes
  // ending in a start byte (noise also comes before every answer).
  std::vector<Push> push{};
  std::chrono::milliseconds pushEvery{1000};
};

inline constexpr double kBytesPerSecond = 1920.0;

class PtyPhone {
public:
  // A new pseudo-terminal; devicePath() names the side the program opens.
  static std::unique_ptr<PtyPhone> create(PhoneModel &model, std::string &error);
  // An existing serial device, set to 19200 8N1 raw.
  static std::unique_ptr<PtyPhone> openDevice(const std::string &path, PhoneModel &model, std::string &error);
  ~PtyPhone();
  PtyPhone(const PtyPhone &) = delete;
  PtyPhone &operator=(const PtyPhone &) = delete;

  const std::string &devicePath() const { return line_.path(); }
  void setFaults(const Faults &faults);
  void setSeed(uint32_t seed);
  // Every frame both ways is written to `trace` (hex, with seconds since
  // the start); null for none. The file stays the caller's.
  void setTrace(FILE *trace) { trace_ = trace; }
  // Called after a request changed the phone's data.
  void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  // Serves until `stop` becomes true (checked at least every 100 ms).
  void run(const std::atomic<bool> &stop);

private:
  using Clock = std::chrono::steady_clock;

  PtyPhone(PtyEnds ends, PhoneModel &model);
  void receive(std::span<const uint8_t> bytes);
  void reply(const Frame &frame);
  void writeBytes(const Bytes &bytes);
  // Sends what is due to be pushed; returns the time until the next push.
  std::chrono::milliseconds pushDue();
  Faults faults();
  void trace(bool fromPhone, const Frame &frame);
  bool chance(double rate);

  PtyLine line_;
  PhoneModel &model_;
  link::FrameParser parser_{link::codesFromProgram()};
  std::mutex faultsMutex_;
  Faults faults_;
  std::mt19937 random_{12345};
  FILE *trace_ = nullptr;
  std::function<void()> changed_;
  Clock::time_point start_ = Clock::now();
  // When the bytes received so far would have finished arriving on a real cable.
  Clock::time_point inboundDone_ = Clock::now();
  Clock::time_point nextPush_ = Clock::now();
};

} // namespace pdx::simulator
