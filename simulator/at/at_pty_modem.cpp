#include "simulator/at/at_pty_modem.h"

#include "simulator/pty_port.h"

#include <algorithm>
#include <array>
#include <poll.h>
#include <thread>
#include <unistd.h>

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

AtPtyModem::AtPtyModem(int fd, int slaveFd, std::string path, AtModem &modem)
    : fd_(fd), slaveFd_(slaveFd), path_(std::move(path)), modem_(modem) {}

AtPtyModem::~AtPtyModem() {
  hangUp();
}

std::unique_ptr<AtPtyModem> AtPtyModem::create(AtModem &modem, std::string &error) {
  auto ends = createPty(B115200, error);
  return ends ? std::unique_ptr<AtPtyModem>(new AtPtyModem(ends->fd, ends->slaveFd, ends->path, modem))
              : nullptr;
}

std::unique_ptr<AtPtyModem> AtPtyModem::openDevice(const std::string &path, AtModem &modem,
                                                   std::string &error) {
  auto ends = openRawDevice(path, B115200, error);
  return ends ? std::unique_ptr<AtPtyModem>(new AtPtyModem(ends->fd, -1, path, modem)) : nullptr;
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

void AtPtyModem::hangUp() {
  if (slaveFd_ >= 0) {
    ::close(std::exchange(slaveFd_, -1));
  }
  if (fd_ >= 0) {
    ::close(std::exchange(fd_, -1));
  }
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
  std::array<char, 4096> buffer{};
  while (!stop && fd_ >= 0) {
    pollfd pfd{fd_, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, static_cast<int>(pushDue().count()));
    if (ready <= 0 || (pfd.revents & POLLIN) == 0) {
      if (ready > 0 && slaveFd_ < 0 && (pfd.revents & (POLLHUP | POLLERR)) != 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
      continue;
    }
    const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
    if (count > 0) {
      receive(std::string_view(buffer.data(), static_cast<size_t>(count)));
    }
  }
}

void AtPtyModem::receive(std::string_view bytes) {
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
    hangUp();
    return;
  }
  if (answer.empty() || now.silent) {
    return;
  }
  std::this_thread::sleep_for(now.latency);
  send(now.noise ? std::string(kNoise) + answer : answer);
}

void AtPtyModem::send(const std::string &bytes) {
  const bool pace = faults().pace;
  // Paced bytes leave in small chunks, each when the cable would have
  // carried its last byte, after the command itself has arrived.
  const auto start = std::max(inboundDone_, Clock::now());
  for (size_t done = 0; done < bytes.size() && fd_ >= 0;) {
    const size_t chunk = pace ? std::min(kPacedChunk, bytes.size() - done) : bytes.size() - done;
    if (pace) {
      std::this_thread::sleep_until(start + wireTime(done + chunk));
    }
    const ssize_t n = ::write(fd_, bytes.data() + done, chunk);
    if (n <= 0) {
      return;
    }
    done += static_cast<size_t>(n);
    bytesOut_ += static_cast<size_t>(n);
  }
  if (pace) {
    inboundDone_ = Clock::now();
  }
}

} // namespace pdx::simulator::at
