#include "simulator/pty_phone.h"

#include "simulator/pty_port.h"

#include <algorithm>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace pdx::simulator {

using namespace pdx::link;

namespace {

// Stray bytes as a noisy line gives them: the last one looks like a start.
const Bytes kNoise{0x00, 0x43, 0x50};

} // namespace

PtyPhone::PtyPhone(int fd, int slaveFd, std::string path, PhoneModel &model)
    : fd_(fd), slaveFd_(slaveFd), path_(std::move(path)), model_(model) {}

PtyPhone::~PtyPhone() {
  if (slaveFd_ >= 0) {
    ::close(slaveFd_);
  }
  ::close(fd_);
}

std::unique_ptr<PtyPhone> PtyPhone::create(PhoneModel &model, std::string &error) {
  // Holding the other side open keeps the terminal alive (and raw, without
  // echo) between the program's sessions.
  auto ends = createPty(B19200, error);
  return ends ? std::unique_ptr<PtyPhone>(new PtyPhone(ends->fd, ends->slaveFd, ends->path, model)) : nullptr;
}

std::unique_ptr<PtyPhone> PtyPhone::openDevice(const std::string &path, PhoneModel &model,
                                               std::string &error) {
  auto ends = openRawDevice(path, B19200, error);
  return ends ? std::unique_ptr<PtyPhone>(new PtyPhone(ends->fd, -1, path, model)) : nullptr;
}

void PtyPhone::setFaults(const Faults &faults) {
  std::lock_guard lock(faultsMutex_);
  faults_ = faults;
}

void PtyPhone::setSeed(uint32_t seed) {
  std::lock_guard lock(faultsMutex_);
  random_.seed(seed);
}

bool PtyPhone::chance(double rate) {
  return rate > 0 && std::uniform_real_distribution<double>(0.0, 1.0)(random_) < rate;
}

Faults PtyPhone::faults() {
  std::lock_guard lock(faultsMutex_);
  return faults_;
}

std::chrono::milliseconds PtyPhone::pushDue() {
  using std::chrono::milliseconds;
  const Faults now = faults();
  if (now.push.empty()) {
    return milliseconds(100);
  }
  if (Clock::now() >= nextPush_) {
    nextPush_ = Clock::now() + now.pushEvery;
    for (Push push : now.push) {
      if (push == Push::Noise) {
        writeBytes(kNoise);
      } else if (push == Push::Pong) {
        reply(Frame{PC_PONG, Bytes(model_.state().info.begin(), model_.state().info.end())});
      } else if (!model_.state().received[0].empty()) {
        reply(Frame{PC_SMS_DATA_DATA, model_.state().received[0]});
      }
    }
  }
  return std::clamp(std::chrono::duration_cast<milliseconds>(nextPush_ - Clock::now()), milliseconds(1),
                    milliseconds(100));
}

void PtyPhone::run(const std::atomic<bool> &stop) {
  std::array<uint8_t, 4096> buffer{};
  while (!stop) {
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
      receive(std::span(buffer).first(static_cast<size_t>(count)));
    }
  }
}

void PtyPhone::receive(std::span<const uint8_t> bytes) {
  bool pace = false;
  {
    std::lock_guard lock(faultsMutex_);
    pace = faults_.pace;
  }
  if (pace) {
    const auto wire = std::chrono::duration<double>(static_cast<double>(bytes.size()) / kBytesPerSecond);
    inboundDone_ = std::max(inboundDone_, Clock::now()) + std::chrono::duration_cast<Clock::duration>(wire);
  }
  parser_.push(bytes);
  while (auto frame = parser_.next()) {
    trace(false, *frame);
    const std::vector<Frame> answers = model_.answer(*frame);
    // A change is saved before the phone acknowledges it.
    if (model_.takeChanged() && changed_) {
      changed_();
    }
    const Faults now = faults();
    std::this_thread::sleep_for(frame->code == PC_PW_SET_REQ ? now.passwordLatency : now.latency);
    for (const Frame &answer : answers) {
      reply(answer);
    }
  }
}

void PtyPhone::reply(const Frame &frame) {
  Bytes bytes = link::encodeFrame(frame.code, frame.data);
  {
    std::lock_guard lock(faultsMutex_);
    if (faults_.silent || chance(faults_.dropRate)) {
      return;
    }
    if (chance(faults_.corruptRate)) {
      bytes.back() ^= 0x5A;
    }
    if (std::find(faults_.push.begin(), faults_.push.end(), Push::Noise) != faults_.push.end()) {
      bytes.insert(bytes.begin(), kNoise.begin(), kNoise.end());
    }
  }
  trace(true, frame);
  writeBytes(bytes);
}

void PtyPhone::writeBytes(const Bytes &bytes) {
  bool pace = false;
  {
    std::lock_guard lock(faultsMutex_);
    pace = faults_.pace;
  }
  if (!pace) {
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) {
        return;
      }
      done += static_cast<size_t>(n);
    }
    return;
  }
  // Each byte leaves when the cable would have carried it, after the
  // request itself has finished arriving.
  const auto start = std::max(inboundDone_, Clock::now());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(static_cast<double>(i + 1) / kBytesPerSecond));
    std::this_thread::sleep_until(due);
    if (::write(fd_, &bytes[i], 1) != 1) {
      return;
    }
  }
  inboundDone_ = Clock::now();
}

void PtyPhone::trace(bool fromPhone, const Frame &frame) {
  if (trace_ == nullptr) {
    return;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  std::fprintf(trace_, "%10.3f %s %-18s", seconds, fromPhone ? "phone>pc" : "pc>phone",
               std::string(link::codeName(frame.code)).c_str());
  for (uint8_t byte : link::encodeFrame(frame.code, frame.data)) {
    std::fprintf(trace_, " %02X", byte);
  }
  std::fputc('\n', trace_);
  std::fflush(trace_);
}

} // namespace pdx::simulator
