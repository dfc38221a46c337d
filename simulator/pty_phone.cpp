#include "simulator/pty_phone.h"

#include "simulator/pty_port.h"

#include <algorithm>
#include <thread>

namespace pdx::simulator {

using namespace pdx::link;

namespace {

// Stray bytes as a noisy line gives them: the last one looks like a start.
const Bytes kNoise{0x00, 0x43, 0x50};

} // namespace

PtyPhone::PtyPhone(PtyEnds ends, PhoneModel &model) : line_(std::move(ends)), model_(model) {}

PtyPhone::~PtyPhone() = default;

std::unique_ptr<PtyPhone> PtyPhone::create(PhoneModel &model, std::string &error) {
  // Holding the other side open keeps the terminal alive (and raw, without
  // echo) between the program's sessions.
  auto ends = createPty(B19200, error);
  return ends ? std::unique_ptr<PtyPhone>(new PtyPhone(std::move(*ends), model)) : nullptr;
}

std::unique_ptr<PtyPhone> PtyPhone::openDevice(const std::string &path, PhoneModel &model,
                                               std::string &error) {
  auto ends = openRawDevice(path, B19200, error);
  return ends ? std::unique_ptr<PtyPhone>(new PtyPhone(std::move(*ends), model)) : nullptr;
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
  line_.serve(
      stop, [this] { return pushDue(); },
      [this](std::span<const uint8_t> bytes) {
        receive(bytes);
        return true;
      });
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
    (void)line_.write(bytes);
    return;
  }
  // Each byte leaves when the cable would have carried it, after the
  // request itself has finished arriving.
  const auto start = std::max(inboundDone_, Clock::now());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(static_cast<double>(i + 1) / kBytesPerSecond));
    std::this_thread::sleep_until(due);
    if (!line_.write(std::span(bytes).subspan(i, 1))) {
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
