// How pelodex-cli phone reaches the phone: the original handshake on the
// port search (or the named device), then, unless the protocol is forced,
// AT commands on the ports that did not answer it, with the SIM's PIN.
#pragma once

#include "cli/cli_phone.h"
#include "features/common/phone_features.h"
#include "platform/serial/comm_port.h"

#include <functional>
#include <optional>
#include <string>

namespace pdx::cli {

struct Connection {
  platform::PortTable ports;
  int preferred = 0;
  bool deviceNamed = false; // --device: only ports[0] is tried
  std::string password;     // empty when none was given
  std::optional<std::string> pin;
  features::ProtocolChoice protocol = features::ProtocolChoice::Auto;
  std::string memory = "SM";  // the AT phonebook
  std::string storage = "SM"; // the AT message storage
};

using PhoneCommand = std::function<int(CliPhone &)>;

// Connects as `connection` says and runs `command`; the exit status.
int withPhone(const Connection &connection, const PhoneCommand &command);

} // namespace pdx::cli
