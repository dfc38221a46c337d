#include "simulator/at/at_pty_modem.h"

#include "simulator/pty_port.h"

#include <algorithm>
#include <thread>

namespace pdx::simulator::at {

namespace {

using Clock = std::chrono::steady_clock;

// Stray bytes as a noisy line gives them, ending a line of their own.
constexpr std::string_view kNoise{"\x00\xFF~\r\n", 5};
constexpr size_t kPacedChunk = 16;

Clock::duration wireTime(size_t bytes) {
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(static_cast<double>(bytes) / kAtBytesPerSecond));
}

} // namespace

AtPtyModem::AtPtyModem(PtyEnds ends, AtModem &modem) : line_(std::move(ends)), modem_(modem) {}

AtPtyModem::~AtPtyModem() = default;

std::unique_ptr<AtPtyModem> AtPtyModem::create(AtModem &modem, std::string &error) {
  auto ends = createPty(B115200, error);
  return ends ? std::unique_ptr<AtPtyModem>(new AtPtyModem(std::move(*ends), modem)) : nullptr;
}

std::unique_ptr<AtPtyModem> AtPtyModem::openDevice(const std::string &path, AtModem &modem,
                                                   std::string &error) {
  auto ends = openRawDevice(path, B115200, error);
  return ends ? std::unique_ptr<AtPtyModem>(new AtPtyModem(std::move(*ends), modem)) : nullptr;
}

void AtPtyModem::setFaults(const AtFaults &faults) {
  std::lock_guard lock(faultsMutex_);
  faults_ = faults;
  commandsSinceFaults_ = 0;
}

AtFaults AtPtyModem::faults() {
  std::lock_guard lock(faultsMutex_);
  return faults_;
}

std::chrono::milliseconds AtPtyModem::pushDue() {
  using std::chrono::milliseconds;
  const AtFaults now = faults();
  if (now.push.empty()) {
    return milliseconds(100);
  }
  if (Clock::now() >= nextPush_) {
    nextPush_ = Clock::now() + now.pushEvery;
    for (const AtPush push : now.push) {
      send(push == AtPush::Ring
               ? std::string("\r\nRING\r\n")
               : modem_.receive(
                     deliverPdus("01012345678", "새 메시지가 도착했습니다.", ++pushReference_).front()));
    }
  }
  return std::clamp(std::chrono::duration_cast<milliseconds>(nextPush_ - Clock::now()), milliseconds(1),
                    milliseconds(100));
}

void AtPtyModem::run(const std::atomic<bool> &stop) {
  line_.serve(
      stop, [this] { return pushDue(); },
      [this](std::span<const uint8_t> bytes) {
        return receive(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
      });
}

bool AtPtyModem::receive(std::string_view bytes) {
  const AtFaults now = faults();
  bytesIn_ += bytes.size();
  if (now.pace) {
    inboundDone_ = std::max(inboundDone_, Clock::now()) + wireTime(bytes.size());
  }
  modem_.setRefusal(now.refusal);
  const int before = modem_.commandsHandled();
  const std::string answer = modem_.push(bytes);
  int commands = 0;
  {
    std::lock_guard lock(faultsMutex_);
    commands = commandsSinceFaults_ += modem_.commandsHandled() - before;
  }
  if (now.hangUpAfter > 0 && commands >= now.hangUpAfter) {
    return false;
  }
  if (!answer.empty() && !now.silent) {
    std::this_thread::sleep_for(now.latency);
    send(now.noise ? std::string(kNoise) + answer : answer);
  }
  return true;
}

void AtPtyModem::send(const std::string &bytes) {
  const bool pace = faults().pace;
  // Paced bytes leave in small chunks, each when the cable would have
  // carried its last byte, after the command itself has arrived.
  const auto start = std::max(inboundDone_, Clock::now());
  const auto *data = reinterpret_cast<const uint8_t *>(bytes.data());
  for (size_t done = 0; done < bytes.size();) {
    const size_t chunk = pace ? std::min(kPacedChunk, bytes.size() - done) : bytes.size() - done;
    if (pace) {
      std::this_thread::sleep_until(start + wireTime(done + chunk));
    }
    if (!line_.write(std::span(data + done, chunk))) {
      return;
    }
    done += chunk;
    bytesOut_ += chunk;
  }
  if (pace) {
    inboundDone_ = Clock::now();
  }
}

} // namespace pdx::simulator::at
