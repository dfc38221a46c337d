#include "link/connection/phone_link.h"

#include <algorithm>

namespace pdx::link {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

CPhoneLink::CPhoneLink(SerialDevice &device, EventLoop &loop)
    : device_(device), loop_(loop), sender_(device, loop), parser_(codesFromPhone()) {
  device_.setDataArrived([this] { onDataArrived(); });
}

CPhoneLink::~CPhoneLink() {
  stopTimer(searchTimer_);
  stopTimer(answerTimer_);
  device_.close();
  device_.setDataArrived(nullptr);
}

OpenFailure CPhoneLink::openFailure(int index) const {
  return index >= 0 && index < kPortCount ? failures_[static_cast<size_t>(index)] : OpenFailure::NoSuchDevice;
}

bool CPhoneLink::openPort(int index) {
  if (index < 0 || index >= kPortCount) {
    return false;
  }
  const bool opened = device_.open(index);
  failures_[static_cast<size_t>(index)] = opened ? OpenFailure::None : device_.lastFailure();
  return opened;
}

void CPhoneLink::startTimer(EventLoop::TimerId &timer, Millis interval, void (CPhoneLink::*tick)()) {
  stopTimer(timer);
  timer = loop_.startTimer(interval, false, [this, &timer, tick] {
    timer = 0;
    (this->*tick)();
  });
}

void CPhoneLink::stopTimer(EventLoop::TimerId &timer) {
  if (timer != 0) {
    loop_.stopTimer(timer);
    timer = 0;
  }
}

void CPhoneLink::connect(std::string_view password, int preferredPort) {
  stopTimer(searchTimer_);
  stopTimer(answerTimer_);
  password_ = packPassword(password);
  state_ = Connecting;
  lost_ = rejoining_ = false;
  waiting_ = false;
  events_.clear();
  resultWanted_ = true;
  current_ = skip_ = preferredPort;
  device_.close();
  if (openPort(current_)) {
    ping();
    return;
  }
  // The preferred port stays skipped; port 0 is tried like the others.
  current_ = 0;
  if ((current_ == skip_ || !openPort(current_)) && !openNextPort()) {
    // Busy until the search reports that nothing was found, so that the
    // caller's wait sees that result.
    busyBegin();
    startTimer(searchTimer_, kSearchInterval, &CPhoneLink::onSearchTick);
    return;
  }
  ping();
}

void CPhoneLink::advancePort() {
  if (current_ == skip_) {
    current_ = skip_ == 0 ? 1 : 0;
    return;
  }
  ++current_;
  if (current_ == skip_) {
    ++current_;
  }
}

bool CPhoneLink::openNextPort() {
  while (true) {
    advancePort();
    if (current_ >= kSearchPorts) {
      return false;
    }
    if (openPort(current_)) {
      return true;
    }
  }
}

void CPhoneLink::ping(bool announce) {
  if (announce) {
    busyBegin();
  }
  (void)device_.writeText(kLineBreak);
  sender_.pause(kFramePause);
  (void)send(PC_PING2, {});
  startTimer(searchTimer_, kSearchInterval, &CPhoneLink::onSearchTick);
}

void CPhoneLink::onSearchTick() {
  if (state_ != Connecting) {
    return;
  }
  device_.close();
  advancePort();
  if (current_ >= kSearchPorts) {
    state_ = Idle;
    current_ = -1;
    busyEnd();
    notify(kPhoneNotFound);
    return;
  }
  if (!openPort(current_) && !openNextPort()) {
    // Nothing left to open: the next tick reports that nothing was found.
    startTimer(searchTimer_, kSearchInterval, &CPhoneLink::onSearchTick);
    return;
  }
  ping();
}

// After a hang-up: the same port again until it opens and the phone
// answers; the password answer then completes the connection.
void CPhoneLink::onRejoinTick() {
  if (!lost_) {
    return;
  }
  device_.close();
  if (openPort(current_)) {
    state_ = Connecting;
    ping(false);
  }
  startTimer(searchTimer_, kSearchInterval, &CPhoneLink::onRejoinTick);
}

void CPhoneLink::onDeviceGone() {
  stopTimer(searchTimer_);
  stopTimer(answerTimer_);
  device_.close();
  waiting_ = false;
  const bool exchange = resultWanted_ || busy_;
  const bool wasLost = lost_;
  lost_ = current_ >= 0;
  state_ = Idle;
  if (busy_) {
    busyEnd();
  }
  // The caller's own busy-end comes later and must not bring back "connected".
  status_.settle(LinkStatus::NotConnected);
  if (exchange) {
    notify(kNoAnswer);
  }
  if (lost_) {
    startTimer(searchTimer_, kSearchInterval, &CPhoneLink::onRejoinTick);
  }
  if (lost_ && !wasLost) {
    tellPresence(false);
  }
}

void CPhoneLink::tellPresence(bool present) {
  if (presence_) {
    presence_(present);
  }
}

void CPhoneLink::sendPassword() {
  busyBegin();
  (void)device_.writeText(kLineBreak);
  sender_.pause(kFramePause);
  (void)send(PC_PW_SET_REQ, password_);
}

void CPhoneLink::request(uint8_t code, std::span<const uint8_t> data) {
  events_.clear();
  awaited_.reset();
  awaitAnswer(code);
  resultWanted_ = true;
  waitingCode_ = code;
  waitingData_.assign(data.begin(),
                      data.begin() + static_cast<std::ptrdiff_t>(std::min(data.size(), kReadChunk)));
  waiting_ = true;
  sendPassword();
  startTimer(answerTimer_, kPasswordTimeout, &CPhoneLink::onAnswerTick);
}

// The password got no answer in time: the request behind it is dropped,
// and a connection attempt ends.
void CPhoneLink::onAnswerTick() {
  waiting_ = false;
  if (state_ == Connecting) {
    state_ = Idle;
  }
  busyEnd();
  notify(kNoAnswer);
}

void CPhoneLink::awaitAnswer(uint8_t code) {
  if (code < kCodeCount) {
    awaited_.set(code);
  }
}

void CPhoneLink::endExchange() {
  stopTimer(answerTimer_);
  waiting_ = false;
  resultWanted_ = false;
  awaited_.reset();
  events_.clear();
}

size_t CPhoneLink::send(uint8_t code, std::span<const uint8_t> data) {
  if (trace_) {
    trace_(false, Frame{code, std::vector<uint8_t>(data.begin(), data.end())});
  }
  return sender_.send(code, data);
}

void CPhoneLink::close() {
  stopTimer(searchTimer_);
  device_.close();
}

bool CPhoneLink::ensureOpen() {
  if (!device_.isOpen() || device_.hungUp()) {
    device_.close();
    if (!openPort(current_)) {
      return false;
    }
  }
  // The device is back before the search found the phone: the request's
  // own password proves the phone from here on.
  if (lost_) {
    stopTimer(searchTimer_);
    lost_ = false;
    rejoining_ = true;
    state_ = Connected;
  }
  return true;
}

void CPhoneLink::notify(int code) {
  switch (code) {
  case kConnected:
  case kPhoneNotFound:
  case kWrongPassword:
  case kNoAnswer:
    if (resultWanted_) {
      (void)events_.addConnection(code);
    }
    break;
  case kBusyBegin:
    busy_ = true;
    status_.busyBegin();
    break;
  case kBusyEnd:
    busy_ = false;
    status_.busyEnd();
    break;
  default:
    break;
  }
  if (listener_) {
    listener_(code);
  }
}

bool CPhoneLink::waitUntil(const std::function<bool()> &done, Millis timeout) {
  ++waits_;
  const bool met = loop_.waitFor(done, timeout);
  --waits_;
  return met;
}

int CPhoneLink::waitForConnection() {
  (void)waitUntil([this] { return events_.findResult() >= 0 || !busy_; }, kConnectionWait);
  const int result = events_.takeResult();
  endExchange();
  return result;
}

// Only the phone's answer to `code` accepts a request; a connection result
// can only fail it.
Answer CPhoneLink::waitForAnswer(uint8_t code) {
  (void)waitUntil([this, code] { return events_.findFailure() >= 0 || events_.findAnswer(code) >= 0; },
                  kAnswerWait);
  const int failure = events_.takeFailure();
  const int answer = events_.takeAnswer(code);
  endExchange();
  if (failure >= 0) {
    return failure == kWrongPassword ? Answer::WrongPassword : Answer::NoAnswer;
  }
  switch (answer) {
  case PC_OK:
    return Answer::Accepted;
  case PC_NG:
    return Answer::Refused;
  default:
    return Answer::NoAnswer;
  }
}

} // namespace pdx::link
