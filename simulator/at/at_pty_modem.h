// Plays the AT modem over a serial device: a pseudo-terminal it creates, or
// a device it is given. Commands go to the modem model; its answers come
// back, optionally paced at 115200 baud, late, preceded by noise, or not at
// all; notices of new messages and rings are pushed unasked, and the line
// can hang up after a number of commands.
#pragma once

#include "simulator/at/at_modem.h"
#include "simulator/pty_port.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

namespace pdx::simulator::at {

enum class AtPush { NewMessage, Ring };

struct AtFaults {
  bool pace = false;                    // 11520 bytes a second both ways, as at 115200 baud
  bool silent = false;                  // never answer
  bool noise = false;                   // stray bytes before every answer
  std::chrono::milliseconds latency{0}; // before each answer
  int hangUpAfter = 0;                  // commands from now until the line goes dead; 0 never
  std::optional<AtRefusal> refusal{};
  std::vector<AtPush> push{};
  std::chrono::milliseconds pushEvery{1000};
};

inline constexpr double kAtBytesPerSecond = 11520.0;

class AtPtyModem {
public:
  static std::unique_ptr<AtPtyModem> create(AtModem &modem, std::string &error);
  static std::unique_ptr<AtPtyModem> openDevice(const std::string &path, AtModem &modem, std::string &error);
  ~AtPtyModem();
  AtPtyModem(const AtPtyModem &) = delete;
  AtPtyModem &operator=(const AtPtyModem &) = delete;

  const std::string &devicePath() const { return line_.path(); }
  void setFaults(const AtFaults &faults);

  // Bytes received from and sent to the program so far.
  size_t bytesIn() const { return bytesIn_; }
  size_t bytesOut() const { return bytesOut_; }

  // Serves until `stop` becomes true (checked at least every 100 ms) or the
  // line hung up.
  void run(const std::atomic<bool> &stop);

private:
  using Clock = std::chrono::steady_clock;

  AtPtyModem(PtyEnds ends, AtModem &modem);
  // False when the line is to hang up.
  bool receive(std::string_view bytes);
  void send(const std::string &bytes);
  std::chrono::milliseconds pushDue();
  AtFaults faults();

  PtyLine line_;
  AtModem &modem_;
  std::mutex faultsMutex_;
  AtFaults faults_;
  Clock::time_point inboundDone_ = Clock::now();
  Clock::time_point nextPush_ = Clock::now();
  uint8_t pushReference_ = 0;
  std::atomic<size_t> bytesIn_{0};
  std::atomic<size_t> bytesOut_{0};
  int commandsSinceFaults_ = 0; // counted towards hangUpAfter
};

} // namespace pdx::simulator::at
