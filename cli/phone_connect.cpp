#include "cli/phone_connect.h"

#include "cli/args.h"
#include "core/base/user_text.h"
#include "link/connection/password.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/serial/port_holder.h"
#include "platform/serial/port_table.h"

#include <cstdio>

namespace pdx::cli {

namespace {

using features::ProtocolChoice;
using link::Outcome;

void say(const std::string &text) {
  std::fprintf(stderr, "pelodex-cli: %s\n", text.c_str());
}

// Why each searched port was not the phone, one line each.
std::string portReasons(const link::CPhoneLink &link, const platform::PortTable &ports) {
  std::string text;
  for (int i = 0; i < link::kSearchPorts; ++i) {
    const link::OpenFailure failure = link.openFailure(i);
    if (failure != link::OpenFailure::None && !ports[static_cast<size_t>(i)].empty()) {
      const std::string &device = ports[static_cast<size_t>(i)];
      text += std::string("\n  ") + platform::portName(i) + " (" + device +
              "): " + platform::describeOpenFailure(device, failure);
    }
  }
  return text;
}

// The original handshake; nothing when no phone answered it and AT is
// still to be tried.
std::optional<int> tryNative(const Connection &connection, const PhoneCommand &command, EventLoop &loop,
                             std::string &reasons) {
  platform::CCommPort port(loop, connection.ports);
  link::PhoneSession session(port, loop);
  const bool given = link::isValidPassword(connection.password);
  const Outcome connected = session.connect(given ? connection.password : "0000", connection.preferred);
  if (connected == Outcome::NotFound && connection.protocol == ProtocolChoice::Auto) {
    reasons = portReasons(session.link(), connection.ports);
    return std::nullopt;
  }
  if (connected != Outcome::Ok) {
    const std::string detail =
        connected == Outcome::NotFound ? portReasons(session.link(), connection.ports) : "";
    std::fprintf(stderr, "pelodex-cli: %s%s\n", link::describe(connected), detail.c_str());
    return link::exitStatus(connected);
  }
  if (!given) {
    session.link().close();
    say(text::translate("pdx::cli::Phone",
                        "비밀번호(숫자 네 자리)를 --password 나 PELODEX_PASSWORD 로 주세요."));
    return kBadArguments;
  }
  NativeCliPhone phone(session);
  const int status = command(phone);
  session.link().close();
  return status;
}

// The PIN of the command line, offered once: asked again means it was wrong.
class PinOffer {
public:
  explicit PinOffer(std::optional<std::string> pin) : pin_(std::move(pin)) {}
  std::optional<std::string> operator()(int attemptsLeft) {
    attemptsLeft_ = attemptsLeft;
    return asked_++ == 0 ? pin_ : std::nullopt;
  }
  // What a log-on that ended Cancelled means.
  at::AtResult why() const { return {asked_ > 1 ? at::AtStatus::WrongPin : at::AtStatus::PinNeeded}; }
  int attemptsLeft() const { return attemptsLeft_; }

private:
  std::optional<std::string> pin_;
  int asked_ = 0;
  int attemptsLeft_ = -1;
};

int logOnFailure(at::AtResult result, const PinOffer &offer) {
  if (result.status == at::AtStatus::Cancelled) {
    result = offer.why();
  }
  std::string text = at::describe(result);
  if (result.status == at::AtStatus::PinNeeded) {
    text += " " + text::translate("pdx::cli::Phone", "--pin 이나 PELODEX_PIN 으로 주세요.");
  }
  if (result.status == at::AtStatus::WrongPin && offer.attemptsLeft() >= 0) {
    text += " " + text::fill(text::translate("pdx::cli::Phone", "남은 횟수: %1"),
                             {std::to_string(offer.attemptsLeft())});
  }
  say(text);
  return atStatus(result);
}

// AT on `device`: nothing when it does not answer AT.
std::optional<int> tryAt(const Connection &connection, const std::string &device, const PhoneCommand &command,
                         EventLoop &loop, std::string &reasons) {
  platform::CCommPort port(loop, platform::PortTable{device});
  core::CDataStore store;
  pelodex::AtSession session(port, loop, store);
  if (!port.open(0)) {
    reasons += "\n  " + device + ": " + platform::describeOpenFailure(device, port.lastFailure());
    return std::nullopt;
  }
  if (!session.phone().probe().ok()) {
    reasons += "\n  " + device + ": " + text::translate("pdx::cli::Phone", "AT 명령에 응답하지 않습니다.");
    return std::nullopt;
  }
  PinOffer offer(connection.pin);
  if (const at::AtResult result = session.connect(0, std::ref(offer)); !result.ok()) {
    return logOnFailure(result, offer);
  }
  AtCliPhone phone(session, store, connection.memory, connection.storage);
  const int status = command(phone);
  session.close();
  return status;
}

} // namespace

int withPhone(const Connection &connection, const PhoneCommand &command) {
  platform::QtEventLoop loop;
  std::string reasons;
  if (connection.protocol != ProtocolChoice::At) {
    if (const auto status = tryNative(connection, command, loop, reasons)) {
      return *status;
    }
  }
  const std::vector<std::string> devices =
      connection.deviceNamed ? std::vector<std::string>{connection.ports[0]}
                             : platform::searchDevices(connection.ports, connection.preferred);
  std::string atReasons;
  for (const std::string &device : devices) {
    if (const auto status = tryAt(connection, device, command, loop, atReasons)) {
      return *status;
    }
  }
  std::fprintf(stderr, "pelodex-cli: %s%s\n", link::describe(Outcome::NotFound),
               (connection.protocol == ProtocolChoice::At ? atReasons : reasons).c_str());
  return link::exitStatus(Outcome::NotFound);
}

} // namespace pdx::cli
