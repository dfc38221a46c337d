// The receiving half of the connection manager: bytes from the device are
// assembled into frames on the loop's thread, handled at link level, and
// handed to the layer above.
#include "link/connection/phone_link.h"

#include <algorithm>

namespace pdx::link {

void CPhoneLink::onDataArrived() {
  if (device_.isOpen()) {
    std::array<uint8_t, kReadChunk> buffer{};
    while (size_t count = device_.read(buffer)) {
      parser_.push(std::span(buffer).first(count));
      while (auto frame = parser_.next()) {
        onFrame(*frame);
      }
      if (!device_.isOpen()) {
        break;
      }
    }
  }
  device_.readerDone();
}

void CPhoneLink::onFrame(const Frame &frame) {
  if (trace_) {
    trace_(true, frame);
  }
  if (!dispatch(frame)) {
    handle(frame);
  }
}

bool CPhoneLink::dispatch(const Frame &frame) {
  const int subCode = frame.data.empty() ? -1 : frame.data[0];
  switch (frame.code) {
  case PC_OK:
    if (subCode == PC_PW_SET_REQ) {
      onPasswordAccepted();
      return true;
    }
    if (endsExchange(subCode)) {
      busyEnd();
    }
    return false;
  case PC_NG:
    if (subCode == PC_PW_SET_REQ) {
      onPasswordRefused();
      return true;
    }
    return false;
  case PC_PONG:
    onPong(frame);
    return true;
  case PC_GRP_DATA_DATA:
    busyEnd();
    break;
  default:
    break;
  }
  return client_ != nullptr && client_->dispatch(frame);
}

void CPhoneLink::onPong(const Frame &frame) {
  const size_t size = std::min(frame.data.size(), kPhoneInfoSize);
  const auto text = std::string(frame.data.begin(), frame.data.begin() + static_cast<std::ptrdiff_t>(size));
  phoneInfo_ = text.substr(0, text.find('\0'));
  if (state_ == Connecting) {
    stopTimer(searchTimer_);
    sendPassword();
  } else if (waiting_) {
    stopTimer(answerTimer_);
    waiting_ = false;
    (void)send(waitingCode_, waitingData_);
  } else {
    busyEnd();
    notify(kPhoneAnswered);
  }
}

void CPhoneLink::onPasswordAccepted() {
  if (waiting_) {
    stopTimer(answerTimer_);
    waiting_ = false;
    (void)send(waitingCode_, waitingData_);
    return;
  }
  state_ = Connected;
  busyEnd();
  notify(kConnected);
}

void CPhoneLink::onPasswordRefused() {
  // A refused password also ends the request's wait for it; its timer must
  // not report a second result later.
  stopTimer(answerTimer_);
  state_ = Idle;
  busyEnd();
  notify(kWrongPassword);
}

void CPhoneLink::handle(const Frame &frame) {
  if (client_ != nullptr && client_->store(frame)) {
    return;
  }
  const int subCode = frame.data.empty() ? -1 : frame.data[0];
  if (frame.code == PC_OK && !isQueuedAcceptance(subCode)) {
    return;
  }
  (void)events_.addFrame(frame.code, subCode);
}

} // namespace pdx::link
