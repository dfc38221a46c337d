// pelodex-cli simulate --protocol at: plays a phone of today that answers
// AT commands, over a new pseudo-terminal (or a given device), until SIGINT
// or SIGTERM or the hang-up it was told to make.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/output.h"
#include "cli/simulate_state.h"
#include "core/base/user_text.h"
#include "simulator/at/at_pty_modem.h"
#include "simulator/at/at_state_json.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <sstream>

namespace pdx::cli {
namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int) {
  stopRequested = true;
}

// "--refuse +CPBW:20" (or "CPBW", code 3 for the phonebook and 500 for
// messages when none is given).
std::optional<simulator::at::AtRefusal> refusal(Args &args, bool &valid) {
  const auto text = args.option("--refuse");
  valid = true;
  if (!text) {
    return std::nullopt;
  }
  const size_t colon = text->find(':');
  std::string prefix = text->substr(0, colon);
  std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  prefix = prefix.starts_with('+') ? prefix : "+" + prefix;
  int code = prefix.starts_with("+CMG") || prefix == "+CPMS" ? 500 : 3;
  if (colon != std::string::npos) {
    char *end = nullptr;
    const long value = std::strtol(text->c_str() + colon + 1, &end, 10);
    code = *end == '\0' && end != text->c_str() + colon + 1 && value >= 0 && value <= 999
               ? static_cast<int>(value)
               : -1;
  }
  if (prefix.size() < 2 || code < 0) {
    args.fail(pdx::text::fill(
        pdx::text::translate("pdx::cli", "--refuse 값은 명령과 오류 번호(예: +CPBW:20)여야 합니다: %1"),
        {*text}));
    valid = false;
    return std::nullopt;
  }
  return simulator::at::AtRefusal{prefix, code};
}

// "--push sms,ring,noise": notices sent unasked, and noise before answers.
bool pushes(Args &args, simulator::at::AtFaults &faults) {
  std::stringstream list(args.option("--push").value_or(""));
  for (std::string kind; std::getline(list, kind, ',');) {
    if (kind == "sms" || kind == "ring") {
      faults.push.push_back(kind == "sms" ? simulator::at::AtPush::NewMessage : simulator::at::AtPush::Ring);
    } else if (kind == "noise") {
      faults.noise = true;
    } else {
      args.fail(pdx::text::fill(
          pdx::text::translate("pdx::cli", "--push 값은 sms, ring, noise 를 쉼표로 이은 것이어야 합니다: %1"),
          {kind}));
      return false;
    }
  }
  return true;
}

// --pin sets the SIM's PIN and turns its lock on, --no-pin turns it off;
// with a state file the SIM keeps them. Returns false when they cannot be
// saved.
bool overridePin(const std::optional<std::string> &pin, bool noPin, const std::optional<std::string> &file,
                 simulator::at::AtModemState &state) {
  if (pin) {
    state.pin = *pin;
    state.pinLock = true;
  }
  state.pinLock = state.pinLock && !noPin;
  state.pinRequired = state.pinLock;
  std::string error;
  if (file && (pin || noPin) && !simulator::at::saveModemState(*file, state, error)) {
    printError(error);
    return false;
  }
  return true;
}

} // namespace

int runSimulateAt(Args &args) {
  const auto device = args.option("--device");
  const auto stateFile = args.option("--state");
  const auto pin = args.option("--pin");
  simulator::at::AtFaults faults;
  faults.pace = args.flag("--pace");
  faults.silent = args.flag("--silent");
  const bool noPin = args.flag("--no-pin");
  bool refusalValid = true;
  faults.refusal = refusal(args, refusalValid);
  const auto latency = args.number("--latency", 0, 60000);
  const auto pushEvery = args.number("--push-every", 10, 3600000);
  const auto hangUp = args.number("--hang-up-after", 1, 1000000);
  const bool pushValid = pushes(args, faults);
  if (pin && !simulator::at::isSimCode(*pin)) {
    args.fail(pdx::text::translate("pdx::cli", "--pin 은 숫자 네 자리에서 여덟 자리여야 합니다."));
  }
  if (!args.finish() || !refusalValid || !pushValid) {
    return kBadArguments;
  }
  faults.latency = std::chrono::milliseconds(latency.value_or(0));
  faults.pushEvery = std::chrono::milliseconds(pushEvery.value_or(1000));
  faults.hangUpAfter = static_cast<int>(hangUp.value_or(0));

  simulator::at::AtModemState state;
  if (const int status = loadOrCreateState(stateFile, state, simulator::at::sampleModemState(),
                                           simulator::at::loadModemState, simulator::at::saveModemState);
      status != 0) {
    return status;
  }
  if (!overridePin(pin, noPin, stateFile, state)) {
    return kCannotCreate;
  }
  simulator::at::AtModem modem(std::move(state));
  std::string error;
  if (stateFile) {
    modem.setChanged([&] {
      if (!simulator::at::saveModemState(*stateFile, modem.state(), error)) {
        printError(error);
      }
    });
  }
  auto pty = device ? simulator::at::AtPtyModem::openDevice(*device, modem, error)
                    : simulator::at::AtPtyModem::create(modem, error);
  if (!pty) {
    std::fprintf(stderr, "pelodex-cli: %s\n", error.c_str());
    return 1;
  }
  pty->setFaults(faults);
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  std::printf("%s\n", pty->devicePath().c_str());
  std::fflush(stdout);
  pty->run(stopRequested);
  return 0;
}

} // namespace pdx::cli
