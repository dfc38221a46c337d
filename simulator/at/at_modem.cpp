#include "simulator/at/at_modem.h"

#include "link/at/at_lines.h"
#include "link/at/sms_pdu.h"
#include "link/at/text_codec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace pdx::simulator::at {

using namespace pdx::at;

namespace {

constexpr size_t kMaxLine = 1024;
constexpr char kCtrlZ = 0x1A;
constexpr char kEsc = 0x1B;

// CME error codes of the phonebook and the SIM.
enum Cme {
  kNotAllowed = 3,
  kNotSupported = 4,
  kPinNeeded = 11,
  kPukNeeded = 12,
  kWrongPassword = 16,
  kMemoryFull = 20,
  kInvalidIndex = 21,
  kNotFound = 22,
  kTextTooLong = 24,
  kBadText = 25,
  kNumberTooLong = 26,
  kBadNumber = 27
};
// CMS error codes of the message commands.
enum Cms {
  kCmsNotAllowed = 302,
  kCmsBadPdu = 304,
  kCmsPinNeeded = 311,
  kCmsPukNeeded = 316,
  kCmsBadIndex = 321,
  kCmsFull = 322
};

constexpr std::array<std::string_view, 7> kMessageCommands = {"+CMGF", "+CPMS", "+CMGL", "+CMGR",
                                                              "+CMGW", "+CMGS", "+CMGD"};

std::string upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
  return out;
}

bool isMessageCommand(std::string_view name) {
  return std::find(kMessageCommands.begin(), kMessageCommands.end(), name) != kMessageCommands.end();
}

std::optional<int> toInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? std::optional<int>(value) : std::nullopt;
}

// A command after "AT": its name ("+CPBR", "E1"), and what follows it:
// "?" reads, "=?" tests, "=..." sets.
struct Command {
  std::string name;
  std::string form; // "", "?", "=?" or "="
  std::vector<std::string> args;
};

Command split(std::string_view text) {
  const size_t end = std::min(text.find_first_of("=?"), text.size());
  Command command{upper(text.substr(0, end)), std::string(text.substr(end, 2)), {}};
  if (command.form == "=?" || command.form.starts_with('?')) {
    command.form = command.form.starts_with('?') ? "?" : "=?";
  } else if (command.form.starts_with('=')) {
    command.form = "=";
    command.args = fieldsOf(command.name + ":" + std::string(text.substr(end + 1)), command.name)
                       .value_or(std::vector<std::string>{});
  }
  return command;
}

size_t tpduLength(std::string_view hex) {
  const auto sca = fromHex(hex.substr(0, 2));
  const size_t prefix = sca ? 1 + (*sca)[0] : 0;
  return hex.size() / 2 > prefix ? hex.size() / 2 - prefix : 0;
}

} // namespace

struct AtModem::Answer {
  std::vector<std::string> lines;
  int cme = -1;
  int cms = -1;
  bool error = false;
  bool prompt = false;
};

namespace {

using Answer = AtModem::Answer;

Answer ok(std::vector<std::string> lines = {}) {
  return Answer{std::move(lines)};
}
Answer cme(int code) {
  return Answer{{}, code};
}
Answer cms(int code) {
  return Answer{{}, -1, code};
}
Answer error() {
  return Answer{{}, -1, -1, true};
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
      } else if (std::isxdigit(static_cast<unsigned char>(c)) && line_.size() < kMaxPduHex) {
        line_ += c;
      }
    } else if (c == '\r') {
      out += handleLine(std::exchange(line_, std::string()));
    } else if (c != '\n' && line_.size() < kMaxLine) {
      line_ += c;
    }
  }
  return out;
}

std::string AtModem::receive(const std::string &pdu) {
  const auto free = std::find(state_.messages.begin(), state_.messages.end(), std::nullopt);
  if (free == state_.messages.end()) {
    return {};
  }
  *free = AtMessage{0, pdu};
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

namespace {

Charset charsetOf(const std::string &name) {
  return name == "UCS2" ? Charset::Ucs2 : name == "GSM" ? Charset::Gsm : Charset::Ira;
}

bool isDialString(std::string_view number) {
  return !number.empty() &&
         number.find_first_not_of("0123456789*#+", number.starts_with('+') ? 1 : 0) ==
             std::string_view::npos &&
         number.find('+', 1) == std::string_view::npos;
}

} // namespace

AtPhonebook &AtModem::book() {
  return simBook_ ? state_.sim : state_.phone;
}

std::string AtModem::entryLine(int index, const AtEntry &entry) const {
  const Charset set = charsetOf(charset_);
  const bool international = entry.number.starts_with('+');
  const std::string digits = international ? entry.number.substr(1) : entry.number;
  const std::string number = state_.numbersInCharset ? encodeText(entry.number, set).value : digits;
  return "+CPBR: " + std::to_string(index) + ",\"" + number + "\"," + (international ? "145" : "129") +
         ",\"" + encodeText(entry.name, set).value + "\"";
}

AtModem::Answer AtModem::phonebookStorage(std::string_view text) {
  const Command command = split(text);
  if (command.form == "=?") {
    return ok({"+CPBS: (\"SM\",\"ME\")"});
  }
  if (command.form == "?") {
    return ok({std::string("+CPBS: \"") + (simBook_ ? "SM" : "ME") + "\"," +
               std::to_string(book().entries.size()) + "," + std::to_string(book().size)});
  }
  const std::string wanted = command.args.empty() ? "" : upper(command.args[0]);
  if (wanted != "SM" && wanted != "ME") {
    return cme(kNotSupported);
  }
  simBook_ = wanted == "SM";
  return ok();
}

AtModem::Answer AtModem::phonebookRead(std::string_view text) {
  const Command command = split(text);
  const AtPhonebook &memory = book();
  if (command.form == "=?") {
    return ok({"+CPBR: (1-" + std::to_string(memory.size) + ")," + std::to_string(memory.numberLength) + "," +
               std::to_string(memory.nameLength)});
  }
  const auto first = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  const auto last = command.args.size() > 1 ? toInt(command.args[1]) : first;
  if (!first || !last || *first < 1 || *last < *first || *last > memory.size) {
    return cme(kInvalidIndex);
  }
  Answer answer = ok();
  for (auto it = memory.entries.lower_bound(*first); it != memory.entries.end() && it->first <= *last; ++it) {
    answer.lines.push_back(entryLine(it->first, it->second));
  }
  return answer;
}

AtModem::Answer AtModem::phonebookWrite(std::string_view text) {
  const Command command = split(text);
  AtPhonebook &memory = book();
  const auto &args = command.args;
  std::optional<int> index = args.empty() || args[0].empty() ? std::nullopt : toInt(args[0]);
  if (!args.empty() && !args[0].empty() && (!index || *index < 1 || *index > memory.size)) {
    return cme(kInvalidIndex);
  }
  if (index && args.size() == 1) {
    memory.entries.erase(*index);
    return ok();
  }
  if (args.size() < 2) {
    return cme(kNotAllowed);
  }
  for (int i = 1; !index && i <= memory.size; ++i) {
    index = memory.entries.count(i) == 0 ? std::optional<int>(i) : std::nullopt;
  }
  if (!index) {
    return cme(kMemoryFull);
  }
  const Charset set = charsetOf(charset_);
  std::string number = decodeNumber(args[1], set);
  if (args.size() > 2 && args[2] == "145" && !number.starts_with('+')) {
    number = "+" + number;
  }
  const std::string name = args.size() > 3 ? decodeText(args[3], set) : "";
  if (!isDialString(number)) {
    return cme(kBadNumber);
  }
  if (static_cast<int>(number.size() - (number.starts_with('+') ? 1 : 0)) > memory.numberLength) {
    return cme(kNumberTooLong);
  }
  if (name.find("\xEF\xBF\xBD") != std::string::npos) {
    return cme(kBadText);
  }
  if (static_cast<int>(codePoints(name).size()) > memory.nameLength) {
    return cme(kTextTooLong);
  }
  memory.entries[*index] = AtEntry{number, name};
  return ok();
}

AtModem::Answer AtModem::phonebookFind(std::string_view text) {
  const Command command = split(text);
  const AtPhonebook &memory = book();
  if (command.form == "=?") {
    return ok({"+CPBF: " + std::to_string(memory.numberLength) + "," + std::to_string(memory.nameLength)});
  }
  const std::string wanted = command.args.empty() ? "" : decodeText(command.args[0], charsetOf(charset_));
  Answer answer = ok();
  for (const auto &[index, entry] : memory.entries) {
    if (entry.name.starts_with(wanted)) {
      answer.lines.push_back("+CPBF" + entryLine(index, entry).substr(5));
    }
  }
  return answer.lines.empty() ? cme(kNotFound) : answer;
}

int AtModem::messagesUsed() const {
  return static_cast<int>(std::count_if(state_.messages.begin(), state_.messages.end(),
                                        [](const auto &m) { return m.has_value(); }));
}

// +CMGF (PDU mode only) and +CPMS: SM, ME and MT name the same 30 places.
AtModem::Answer AtModem::messageStorage(std::string_view text) {
  const Command command = split(text);
  const std::string use = std::to_string(messagesUsed()) + "," + std::to_string(AtModemState::kMessagePlaces);
  if (command.name == "+CMGF") {
    if (command.form == "=") {
      return !command.args.empty() && command.args[0] == "0" ? ok() : cms(kCmsNotAllowed);
    }
    return ok({command.form == "=?" ? "+CMGF: (0)" : "+CMGF: 0"});
  }
  if (command.form == "=?") {
    return ok({"+CPMS: (\"SM\",\"ME\",\"MT\"),(\"SM\",\"ME\",\"MT\"),(\"SM\",\"ME\",\"MT\")"});
  }
  if (command.form == "?") {
    return ok({"+CPMS: \"SM\"," + use + ",\"SM\"," + use + ",\"SM\"," + use});
  }
  for (const std::string &storage : command.args) {
    const std::string name = upper(storage);
    if (name != "SM" && name != "ME" && name != "MT") {
      return cms(kCmsNotAllowed);
    }
  }
  return command.args.empty() ? cms(kCmsNotAllowed) : ok({"+CPMS: " + use + "," + use + "," + use});
}

AtModem::Answer AtModem::messageList(std::string_view text) {
  const Command command = split(text);
  if (command.form == "=?") {
    return ok({"+CMGL: (0-4)"});
  }
  const auto wanted = command.args.empty() ? std::optional<int>(0) : toInt(command.args[0]);
  if (!wanted || *wanted < 0 || *wanted > 4) {
    return cms(kCmsNotAllowed);
  }
  Answer answer = ok();
  for (size_t i = 0; i < state_.messages.size(); ++i) {
    auto &message = state_.messages[i];
    if (message && (*wanted == 4 || message->status == *wanted)) {
      answer.lines.push_back("+CMGL: " + std::to_string(i + 1) + "," + std::to_string(message->status) +
                             ",," + std::to_string(tpduLength(message->pdu)));
      answer.lines.push_back(message->pdu);
      message->status = message->status == 0 ? 1 : message->status;
    }
  }
  return answer;
}

AtModem::Answer AtModem::messageRead(std::string_view text) {
  const Command command = split(text);
  const auto index = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  if (!index || *index < 1 || *index > AtModemState::kMessagePlaces ||
      !state_.messages[static_cast<size_t>(*index - 1)]) {
    return cms(kCmsBadIndex);
  }
  AtMessage &message = *state_.messages[static_cast<size_t>(*index - 1)];
  Answer answer =
      ok({"+CMGR: " + std::to_string(message.status) + ",," + std::to_string(tpduLength(message.pdu)),
          message.pdu});
  message.status = message.status == 0 ? 1 : message.status;
  return answer;
}

AtModem::Answer AtModem::messageEntry(std::string_view text) {
  const Command command = split(text);
  const auto length = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  const auto status = command.args.size() > 1 ? toInt(command.args[1]) : std::optional<int>(2);
  if (!length || *length < 1 || *length > 164 || !status || *status < 0 || *status > 3) {
    return cms(kCmsNotAllowed);
  }
  if (command.name == "+CMGW" && messagesUsed() == AtModemState::kMessagePlaces) {
    return cms(kCmsFull);
  }
  pduCommand_ = command.name;
  pduLength_ = *length;
  pduStatus_ = *status;
  return Answer{{}, -1, -1, false, true};
}

std::string AtModem::finishPdu(bool send) {
  const std::string hex = upper(std::exchange(line_, std::string()));
  const std::string command = std::exchange(pduCommand_, std::string());
  if (!send) {
    return render(ok());
  }
  const auto pdu = decodePdu(hex);
  if (!pdu || static_cast<int>(tpduLength(hex)) != pduLength_ ||
      (command == "+CMGS" && pdu->kind != SmsKind::Submit)) {
    return render(cms(kCmsBadPdu));
  }
  if (command == "+CMGS") {
    state_.sent.push_back(hex);
    reference_ = (reference_ + 1) % 256;
    return render(ok({"+CMGS: " + std::to_string(reference_)}));
  }
  const auto free = std::find(state_.messages.begin(), state_.messages.end(), std::nullopt);
  *free = AtMessage{pduStatus_, hex};
  return render(ok({"+CMGW: " + std::to_string(free - state_.messages.begin() + 1)}));
}

AtModem::Answer AtModem::messageDelete(std::string_view text) {
  const Command command = split(text);
  const auto index = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  const auto flag = command.args.size() > 1 ? toInt(command.args[1]) : std::optional<int>(0);
  if (flag == 4) {
    std::fill(state_.messages.begin(), state_.messages.end(), std::nullopt);
    return ok();
  }
  if (!index || *index < 1 || *index > AtModemState::kMessagePlaces || flag != 0) {
    return cms(kCmsBadIndex);
  }
  state_.messages[static_cast<size_t>(*index - 1)].reset();
  return ok();
}

} // namespace pdx::simulator::at
