// The receiving half of the connection manager: bytes from the device are
// assembled into frames on the loop's thread, handled at link level, and
// handed to the layer above.
#include "link/connection/phone_link.h"

#include <algorithm>
#include <array>
#include <utility>

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
  if (device_.isOpen() && device_.hungUp()) {
    onDeviceGone();
  }
}

namespace {

using LinkHandler = bool (CPhoneLink::*)(const Frame &);
struct LinkReply {
  Code code;
  LinkHandler handler;
};

} // namespace

// The replies the link handles itself, before the frame client sees them.
bool CPhoneLink::handlesOwn(const Frame &frame) {
  static constexpr std::array<LinkReply, 4> kReplies = {{
      {PC_OK, &CPhoneLink::onAcceptance},
      {PC_NG, &CPhoneLink::onRefusal},
      {PC_PONG, &CPhoneLink::onPong},
      {PC_GRP_DATA_DATA, &CPhoneLink::onGroupTable},
  }};
  for (const LinkReply &reply : kReplies) {
    if (reply.code == frame.code) {
      return (this->*reply.handler)(frame);
    }
  }
  return false;
}

// The link's replies first, then the client's; of what is left, the answers
// the open exchange waits for are queued and every other frame is discarded.
void CPhoneLink::onFrame(const Frame &frame) {
  if (trace_) {
    trace_(true, frame);
  }
  if (handlesOwn(frame) || (client_ != nullptr && client_->receive(frame))) {
    return;
  }
  if (wantsAnswer(frame)) {
    (void)events_.addFrame(frame.code, frame.data[0]);
  }
}

bool CPhoneLink::onAcceptance(const Frame &frame) {
  const int subCode = frame.data.empty() ? -1 : frame.data[0];
  if (subCode == PC_PW_SET_REQ) {
    onPasswordAccepted();
    return true;
  }
  if (endsExchange(subCode) && awaited_.test(static_cast<size_t>(subCode))) {
    busyEnd();
  }
  return false;
}

bool CPhoneLink::onRefusal(const Frame &frame) {
  if (!frame.data.empty() && frame.data[0] == PC_PW_SET_REQ) {
    onPasswordRefused();
    return true;
  }
  return false;
}

// The group table is the last record of a phonebook read.
bool CPhoneLink::onGroupTable(const Frame &) {
  busyEnd();
  return false;
}

bool CPhoneLink::onPong(const Frame &frame) {
  const size_t size = std::min(frame.data.size(), kPhoneInfoSize);
  const auto text = std::string(frame.data.begin(), frame.data.begin() + static_cast<std::ptrdiff_t>(size));
  phoneInfo_ = text.substr(0, text.find('\0'));
  if (state_ == Connecting && answerTimer_ == 0) {
    stopTimer(searchTimer_);
    sendPassword();
    startTimer(answerTimer_, kPasswordTimeout, &CPhoneLink::onAnswerTick);
  } else if (!busy_ && !waiting_) {
    // A PONG is no answer to a password: a request behind one still waits
    // for the phone's PC_OK.
    notify(kPhoneAnswered);
  }
  return true;
}

// An acceptance that nothing waits for (it came after the wait ended) is
// dropped: it must neither send a request nor report a connection.
void CPhoneLink::onPasswordAccepted() {
  if (waiting_) {
    stopTimer(answerTimer_);
    waiting_ = false;
    if (std::exchange(rejoining_, false)) {
      status_.settle(LinkStatus::Connected);
      tellPresence(true);
    }
    (void)send(waitingCode_, waitingData_);
    return;
  }
  if (state_ != Connecting || answerTimer_ == 0) {
    return;
  }
  stopTimer(answerTimer_);
  stopTimer(searchTimer_);
  state_ = Connected;
  const bool rejoined = std::exchange(lost_, false);
  busyEnd();
  if (rejoined) {
    status_.set(LinkStatus::Connected);
  }
  notify(kConnected);
  if (rejoined) {
    tellPresence(true);
  }
}

void CPhoneLink::onPasswordRefused() {
  if (!waiting_ && (state_ != Connecting || answerTimer_ == 0)) {
    return;
  }
  // A refused password also ends the request's wait for it; its timer must
  // not report a second result later.
  stopTimer(answerTimer_);
  stopTimer(searchTimer_);
  waiting_ = false;
  lost_ = false;
  state_ = Idle;
  busyEnd();
  notify(kWrongPassword);
}

// Nothing of the exchange has been sent while its password waits: an
// answer then is left from an earlier exchange.
bool CPhoneLink::wantsAnswer(const Frame &frame) const {
  const int subCode = frame.data.empty() ? -1 : frame.data[0];
  if (waiting_ || subCode < 0 || subCode >= kCodeCount || !awaited_.test(static_cast<size_t>(subCode))) {
    return false;
  }
  return frame.code == PC_NG || (frame.code == PC_OK && isQueuedAcceptance(subCode));
}

} // namespace pdx::link
