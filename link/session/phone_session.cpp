#include "link/session/phone_session.h"

namespace pdx::link {

PhoneSession::PhoneSession(SerialDevice &device, EventLoop &loop)
    : loop_(loop), link_(device, loop), transfers_(link_, store_), start_(loop.now()) {
  link_.setTrace([this](bool fromPhone, const Frame &frame) {
    const double seconds = static_cast<double>((loop_.now() - start_).count()) / 1000.0;
    frames_.push_back(FrameRecord{seconds, fromPhone, frame});
    if (fromPhone && onFrame_) {
      onFrame_(frame);
    }
  });
}

Outcome PhoneSession::connect(std::string_view password, int preferredPort) {
  link_.connect(password, preferredPort);
  switch (link_.waitForConnection()) {
  case kConnected:
    return Outcome::Ok;
  case kPhoneNotFound:
    return Outcome::NotFound;
  case kWrongPassword:
    return Outcome::WrongPassword;
  default:
    return Outcome::NoAnswer;
  }
}

int exitStatus(Outcome outcome) {
  switch (outcome) {
  case Outcome::Ok:
    return 0;
  case Outcome::WrongPassword:
    return 3;
  case Outcome::Refused:
    return 4;
  case Outcome::NotFound:
  case Outcome::PortClosed:
  case Outcome::NoAnswer:
  case Outcome::Cancelled:
  case Outcome::Disconnected:
    break;
  }
  return 1;
}

} // namespace pdx::link
