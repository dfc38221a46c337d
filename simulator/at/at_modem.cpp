#include "simulator/at/at_modem.h"

#include "link/at/sms_pdu.h"
#include "simulator/at/at_command.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pdx::simulator::at {

namespace {

constexpr size_t kMaxLine = 1024;
constexpr char kCtrlZ = 0x1A;
constexpr char kEsc = 0x1B;

constexpr std::array<std::string_view, 7> kMessageCommands = {"+CMGF", "+CPMS", "+CMGL", "+CMGR",
                                                              "+CMGW", "+CMGS", "+CMGD"};

bool isMessageCommand(std::string_view name) {
  return std::find(kMessageCommands.begin(), kMessageCommands.end(), name) != kMessageCommands.end();
}

} // namespace

std::string AtModem::push(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    if (echo_) {
      out += c;
    }
    if (!pduCommand_.empty()) {
      if (c == kCtrlZ || c == kEsc) {
        out += finishPdu(c == kCtrlZ);
      } else if (std::isxdigit(static_cast<unsigned char>(c)) && line_.size() < pdx::at::kMaxPduHex) {
        line_ += c;
      }
    } else if (c == '\r') {
      out += handleLine(std::exchange(line_, std::string()));
    } else if (c != '\n' && line_.size() < kMaxLine) {
      line_ += c;
    }
  }
  tellIfStored();
  return out;
}

void AtModem::tellIfStored() {
  if (std::exchange(stored_, false) && changed_) {
    changed_();
  }
}

std::string AtModem::receive(const std::string &pdu) {
  const auto free = std::find(state_.messages.begin(), state_.messages.end(), std::nullopt);
  if (free == state_.messages.end()) {
    return {};
  }
  *free = AtMessage{0, pdu};
  stored();
  tellIfStored();
  return "\r\n+CMTI: \"SM\"," + std::to_string(free - state_.messages.begin() + 1) + "\r\n";
}

std::string AtModem::handleLine(const std::string &line) {
  const size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos || upper(line.substr(start, 2)) != "AT") {
    return {};
  }
  ++commands_;
  return render(dispatch(std::string_view(line).substr(start + 2)));
}

std::string AtModem::render(const Answer &answer) const {
  if (answer.prompt) {
    return "\r\n> ";
  }
  std::string out = answer.lines.empty() ? "" : "\r\n";
  for (const std::string &line : answer.lines) {
    out += line + "\r\n";
  }
  if (answer.error || ((answer.cme >= 0 || answer.cms >= 0) && !numberedErrors_)) {
    return out + "\r\nERROR\r\n";
  }
  if (answer.cme >= 0 || answer.cms >= 0) {
    return out +
           (answer.cme >= 0 ? "\r\n+CME ERROR: " + std::to_string(answer.cme)
                            : "\r\n+CMS ERROR: " + std::to_string(answer.cms)) +
           "\r\n";
  }
  return out + "\r\nOK\r\n";
}

AtModem::Answer AtModem::dispatch(std::string_view text) {
  const Command command = split(text);
  const std::string &name = command.name;
  const bool message = isMessageCommand(name);
  if (refusal_ && !name.empty() && name.starts_with(refusal_->prefix)) {
    return message ? cms(refusal_->code) : cme(refusal_->code);
  }
  if (!name.starts_with('+') || name.starts_with("+CG") || name == "+CMEE") {
    return basic(text);
  }
  if (name == "+CPIN" || name == "+CPINR") {
    return pin(text);
  }
  if (state_.pinRequired) {
    const bool puk = state_.pinAttempts == 0;
    return message ? cms(puk ? kCmsPukNeeded : kCmsPinNeeded) : cme(puk ? kPukNeeded : kPinNeeded);
  }
  using Handler = Answer (AtModem::*)(std::string_view);
  static const std::array<std::pair<std::string_view, Handler>, 11> kHandlers = {{
      {"+CSCS", &AtModem::charset},
      {"+CPBS", &AtModem::phonebookStorage},
      {"+CPBR", &AtModem::phonebookRead},
      {"+CPBW", &AtModem::phonebookWrite},
      {"+CPBF", &AtModem::phonebookFind},
      {"+CMGF", &AtModem::messageStorage},
      {"+CPMS", &AtModem::messageStorage},
      {"+CMGL", &AtModem::messageList},
      {"+CMGR", &AtModem::messageRead},
      {"+CMGW", &AtModem::messageEntry},
      {"+CMGS", &AtModem::messageEntry},
  }};
  for (const auto &[handlerName, handler] : kHandlers) {
    if (name == handlerName) {
      return (this->*handler)(text);
    }
  }
  return name == "+CMGD" ? messageDelete(text) : error();
}

AtModem::Answer AtModem::basic(std::string_view text) {
  const Command command = split(text);
  const std::string &name = command.name;
  if (name.empty() || name == "Z" || name == "V1" || name == "Q0") {
    return ok();
  }
  if (name == "E0" || name == "E1" || name == "E") {
    echo_ = name == "E1";
    return ok();
  }
  if (name == "+CMEE" && command.form == "=" && !command.args.empty()) {
    numberedErrors_ = command.args[0] != "0";
    return ok();
  }
  if (name == "+CMEE" && command.form == "?") {
    return ok({std::string("+CMEE: ") + (numberedErrors_ ? "1" : "0")});
  }
  return command.form.empty() ? identity(name) : error();
}

AtModem::Answer AtModem::identity(std::string_view name) {
  if (name == "+CGMI" || name == "I") {
    return ok({state_.maker});
  }
  if (name == "+CGMM") {
    return ok({state_.model});
  }
  if (name == "+CGMR") {
    return ok({state_.revision});
  }
  return name == "+CGSN" ? ok({state_.imei}) : error();
}

AtModem::Answer AtModem::pin(std::string_view text) {
  const Command command = split(text);
  const bool puk = state_.pinAttempts == 0;
  if (command.name == "+CPINR") {
    return ok({"+CPINR: SIM PIN," + std::to_string(state_.pinAttempts) + ",3",
               "+CPINR: SIM PUK," + std::to_string(state_.pukAttempts) + ",10"});
  }
  if (command.form == "?") {
    return ok({!state_.pinRequired ? "+CPIN: READY" : puk ? "+CPIN: SIM PUK" : "+CPIN: SIM PIN"});
  }
  if (command.form != "=" || command.args.empty() || (puk && command.args.size() < 2)) {
    return cme(kNotAllowed);
  }
  if (!state_.pinRequired) {
    return ok();
  }
  if (puk && !isSimCode(command.args[1])) {
    return cme(kWrongPassword); // a new PIN the SIM cannot keep costs no attempt
  }
  stored();
  if (puk && state_.pukAttempts > 0 && command.args[0] == state_.puk) {
    state_.pin = command.args[1];
    state_.pinAttempts = 3;
    state_.pinRequired = false;
    return ok();
  }
  if (!puk && command.args[0] == state_.pin) {
    state_.pinAttempts = 3;
    state_.pinRequired = false;
    return ok();
  }
  int &attempts = puk ? state_.pukAttempts : state_.pinAttempts;
  attempts = std::max(0, attempts - 1);
  return cme(kWrongPassword);
}

AtModem::Answer AtModem::charset(std::string_view text) {
  const Command command = split(text);
  if (command.form == "=?") {
    return ok({"+CSCS: (\"IRA\",\"GSM\",\"UCS2\")"});
  }
  if (command.form == "?") {
    return ok({"+CSCS: \"" + charset_ + "\""});
  }
  const std::string wanted = command.args.empty() ? "" : upper(command.args[0]);
  if (wanted != "IRA" && wanted != "GSM" && wanted != "UCS2") {
    return cme(kNotSupported);
  }
  charset_ = wanted;
  return ok();
}

} // namespace pdx::simulator::at
