// pelodex-cli simulate: plays a phone over a new pseudo-terminal (or a given
// device) until SIGINT or SIGTERM.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/output.h"
#include "cli/simulate_state.h"
#include "core/base/user_text.h"
#include "link/connection/password.h"
#include "simulator/pty_phone.h"
#include "simulator/state_json.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace pdx::cli {
namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int) {
  stopRequested = true;
}

std::optional<double> rate(Args &args, const std::string &name) {
  const auto text = args.option(name);
  if (!text) {
    return 0.0;
  }
  char *end = nullptr;
  const double value = std::strtod(text->c_str(), &end);
  if (end == text->c_str() || *end != '\0' || !(value >= 0.0 && value <= 1.0)) {
    args.fail(pdx::text::fill(pdx::text::translate("pdx::cli", "%1 값은 0과 1 사이여야 합니다: %2"),
                              {name, *text}));
    return std::nullopt;
  }
  return value;
}

std::optional<int> refusedCode(Args &args) {
  const auto text = args.option("--refuse");
  if (!text) {
    return -1;
  }
  int code = link::codeFromName(*text);
  if (code < 0) {
    char *end = nullptr;
    const long value = std::strtol(text->c_str(), &end, 0);
    code = end != text->c_str() && *end == '\0' && value >= 0 && value < link::kCodeCount
               ? static_cast<int>(value)
               : -1;
  }
  if (code < 0) {
    args.fail(pdx::text::fill(
        pdx::text::translate("pdx::cli", "--refuse 값은 메시지 코드(0~39 또는 PC_... 이름)여야 합니다: %1"),
        {*text}));
  }
  return code;
}

// "--push pong,sms,noise": the frames the phone sends unasked.
std::optional<std::vector<simulator::Push>> pushes(Args &args) {
  std::vector<simulator::Push> kinds;
  std::stringstream list(args.option("--push").value_or(""));
  for (std::string kind; std::getline(list, kind, ',');) {
    if (kind == "pong" || kind == "sms" || kind == "noise") {
      kinds.push_back(kind == "pong"  ? simulator::Push::Pong
                      : kind == "sms" ? simulator::Push::Sms
                                      : simulator::Push::Noise);
    } else {
      args.fail(pdx::text::fill(
          pdx::text::translate("pdx::cli", "--push 값은 pong, sms, noise 를 쉼표로 이은 것이어야 합니다: %1"),
          {kind}));
      return std::nullopt;
    }
  }
  return kinds;
}

} // namespace

int runSimulate(Args &args) {
  const auto protocol = args.option("--protocol");
  if (protocol == "at") {
    return runSimulateAt(args);
  }
  if (protocol && *protocol != "native") {
    args.fail(pdx::text::fill(
        pdx::text::translate("pdx::cli", "--protocol 값은 native 또는 at 이어야 합니다: %1"), {*protocol}));
  }
  const auto device = args.option("--device");
  const auto stateFile = args.option("--state");
  const auto password = args.option("--password");
  const auto traceFile = args.option("--trace");
  const auto seed = args.number("--seed", 0, 0xFFFFFFFFL);
  simulator::Faults faults;
  faults.pace = args.flag("--pace");
  faults.silent = args.flag("--silent");
  const auto drop = rate(args, "--drop-rate");
  const auto corrupt = rate(args, "--corrupt-rate");
  const auto refuse = refusedCode(args);
  const auto latency = args.number("--latency", 0, 60000);
  const auto passwordLatency = args.number("--password-latency", 0, 60000);
  const auto pushEvery = args.number("--push-every", 10, 3600000);
  const auto push = pushes(args);
  if (password && !link::isValidPassword(*password)) {
    args.fail(pdx::text::translate("pdx::cli", "--password 는 숫자 네 자리여야 합니다."));
  }
  if (!args.finish() || !drop || !corrupt || !refuse || !push) {
    return kBadArguments;
  }
  faults.latency = std::chrono::milliseconds(latency.value_or(0));
  faults.passwordLatency = std::chrono::milliseconds(passwordLatency.value_or(0));
  faults.push = *push;
  faults.pushEvery = std::chrono::milliseconds(pushEvery.value_or(1000));
  faults.dropRate = *drop;
  faults.corruptRate = *corrupt;

  simulator::PhoneState state;
  if (const int status = loadOrCreateState(stateFile, state, simulator::sampleState(), simulator::loadState,
                                           simulator::saveState);
      status != 0) {
    return status;
  }
  if (password) {
    state.password = *password;
  }
  simulator::PhoneModel model(state);
  model.setRefusedCode(*refuse);
  std::string error;
  auto phone = device ? simulator::PtyPhone::openDevice(*device, model, error)
                      : simulator::PtyPhone::create(model, error);
  if (!phone) {
    std::fprintf(stderr, "pelodex-cli: %s\n", error.c_str());
    return 1;
  }
  FILE *trace = traceFile ? std::fopen(traceFile->c_str(), "w") : nullptr;
  if (traceFile && trace == nullptr) {
    printError(
        pdx::text::fill(pdx::text::translate("pdx::cli", "기록 파일을 만들 수 없습니다: %1"), {*traceFile}));
    return kCannotCreate;
  }
  phone->setFaults(faults);
  phone->setTrace(trace);
  if (seed) {
    phone->setSeed(static_cast<uint32_t>(*seed));
  }
  if (stateFile) {
    phone->setChanged([&] {
      if (!simulator::saveState(*stateFile, model.state(), error)) {
        std::fprintf(stderr, "pelodex-cli: %s\n", error.c_str());
      }
    });
  }
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  std::printf("%s\n", phone->devicePath().c_str());
  std::fflush(stdout);
  phone->run(stopRequested);
  if (trace != nullptr) {
    std::fclose(trace);
  }
  return 0;
}

} // namespace pdx::cli
