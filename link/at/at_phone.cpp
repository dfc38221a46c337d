#include "link/at/at_phone.h"

#include "core/base/user_text.h"
#include "link/at/phone_number.h"

#include <array>

namespace pdx::at {

namespace {

constexpr int kCmePinNeeded = 11;
constexpr int kCmePukNeeded = 12;
constexpr int kCmeWrongPassword = 16;
constexpr int kCmeNotFound = 22;
constexpr int kCmsPinNeeded = 311;
constexpr int kCmsPukNeeded = 316;
constexpr int kPinTries = 3;
constexpr char kCtrlZ = 0x1A;

AtResult resultOf(const AtResponse &response) {
  const int code = response.errorCode;
  switch (response.result) {
  case FinalResult::Ok:
    return {};
  case FinalResult::CmeError:
  case FinalResult::CmsError:
    if (code == kCmePinNeeded || code == kCmsPinNeeded) {
      return {AtStatus::PinNeeded, code};
    }
    if (code == kCmePukNeeded || code == kCmsPukNeeded) {
      return {AtStatus::PukLocked, code};
    }
    return {code == kCmeWrongPassword ? AtStatus::WrongPin : AtStatus::Refused, code};
  default:
    return {AtStatus::Refused, -1};
  }
}

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

} // namespace

namespace {

std::string sentenceOf(AtStatus status) {
  switch (status) {
  case AtStatus::Ok:
    return text::translate("pdx::at::AtPhone", "완료되었습니다.");
  case AtStatus::NoAnswer:
    return text::translate("pdx::at::AtPhone", "휴대폰이 응답하지 않습니다.");
  case AtStatus::HungUp:
    return text::translate("pdx::at::AtPhone", "휴대폰과의 연결이 끊어졌습니다. 케이블을 확인하세요.");
  case AtStatus::Refused:
    return text::translate("pdx::at::AtPhone", "휴대폰이 요청을 거절했습니다.");
  case AtStatus::PinNeeded:
    return text::translate("pdx::at::AtPhone", "SIM 카드의 PIN이 필요합니다.");
  case AtStatus::PukLocked:
    return text::translate("pdx::at::AtPhone", "SIM 카드가 잠겼습니다. PUK를 휴대폰에서 입력하십시오.");
  case AtStatus::WrongPin:
    return text::translate("pdx::at::AtPhone", "PIN이 맞지 않습니다.");
  case AtStatus::BadAnswer:
    return text::translate("pdx::at::AtPhone", "휴대폰의 응답을 읽을 수 없습니다.");
  case AtStatus::Cancelled:
    break;
  }
  return text::translate("pdx::at::AtPhone", "취소되었습니다.");
}

} // namespace

std::string describe(const AtResult &result) {
  std::string text = sentenceOf(result.status);
  if (result.status == AtStatus::Refused && result.code >= 0) {
    text += " " + text::fill(text::translate("pdx::at::AtPhone", "(오류 %1)"), {std::to_string(result.code)});
  }
  return text;
}

AtPhone::AtPhone(link::SerialDevice &device, EventLoop &loop) : device_(device), loop_(loop) {
  device_.setDataArrived([this] { onDataArrived(); });
}

AtPhone::~AtPhone() {
  device_.setDataArrived(nullptr);
}

void AtPhone::onDataArrived() {
  std::array<uint8_t, 1024> buffer{};
  while (const size_t count = device_.read(buffer)) {
    reader_.push(std::string_view(reinterpret_cast<const char *>(buffer.data()), count));
  }
  device_.readerDone();
  if (auto response = reader_.takeResponse()) {
    response_ = std::move(response);
  }
  prompt_ = reader_.takePrompt() || prompt_;
  dispatchUnsolicited();
  // The device reports data once more after a hang-up, then no more.
  if (device_.hungUp() && onHangUp_) {
    onHangUp_();
  }
}

void AtPhone::dispatchUnsolicited() {
  for (const Unsolicited &code : reader_.takeUnsolicited()) {
    if (code.line.starts_with("RING") && onRing_) {
      onRing_();
    }
    const auto fields = fieldsOf(code.line, "+CMTI");
    if (fields && fields->size() >= 2 && onNewMessage_) {
      onNewMessage_((*fields)[0], std::atoi((*fields)[1].c_str()));
    }
  }
}

bool AtPhone::await(const std::function<bool()> &done, Millis timeout) {
  return loop_.waitFor([&] { return done() || device_.hungUp(); }, timeout) && !device_.hungUp();
}

AtResult AtPhone::command(std::string_view text, AtResponse *response, Millis timeout) {
  if (!device_.isOpen() || device_.hungUp()) {
    return {AtStatus::HungUp};
  }
  response_.reset();
  reader_.beginCommand(text);
  device_.writeText(std::string(text) + "\r");
  if (!await([this] { return response_.has_value(); }, timeout)) {
    reader_.abandonCommand();
    return {device_.hungUp() ? AtStatus::HungUp : AtStatus::NoAnswer};
  }
  const AtResult result = resultOf(*response_);
  if (response != nullptr) {
    *response = std::move(*response_);
  }
  return result;
}

AtResult AtPhone::enterPdu(std::string_view text, const EncodedPdu &pdu, AtResponse &response,
                           Millis timeout) {
  if (!device_.isOpen() || device_.hungUp()) {
    return {AtStatus::HungUp};
  }
  response_.reset();
  prompt_ = false;
  reader_.beginCommand(text);
  device_.writeText(std::string(text) + "\r");
  if (!await([this] { return prompt_ || response_.has_value(); }, kCommandTimeout)) {
    reader_.abandonCommand();
    return {device_.hungUp() ? AtStatus::HungUp : AtStatus::NoAnswer};
  }
  if (!prompt_) {
    const AtResult refused = resultOf(*response_);
    return refused.ok() ? AtResult{AtStatus::BadAnswer} : refused;
  }
  reader_.beginPdu(pdu.hex);
  device_.writeText(pdu.hex + kCtrlZ);
  if (!await([this] { return response_.has_value(); }, timeout)) {
    reader_.abandonCommand();
    return {device_.hungUp() ? AtStatus::HungUp : AtStatus::NoAnswer};
  }
  response = std::move(*response_);
  return resultOf(response);
}

AtResult AtPhone::probe() {
  // Ends whatever the line holds (bytes of another protocol's handshake):
  // a modem drops a line that does not start with AT, unanswered.
  if (device_.isOpen()) {
    device_.writeText("\r");
  }
  if (const AtResult result = command("AT", nullptr, kProbeTimeout); !result.ok()) {
    return result;
  }
  for (const std::string_view text : {"ATE0", "AT+CMEE=1"}) {
    if (const AtResult result = command(text); !result.ok()) {
      return result;
    }
  }
  return {};
}

AtResult AtPhone::identify(AtIdentity &identity) {
  const std::array<std::pair<std::string_view, std::string *>, 4> asks = {{{"AT+CGMI", &identity.maker},
                                                                           {"AT+CGMM", &identity.model},
                                                                           {"AT+CGMR", &identity.revision},
                                                                           {"AT+CGSN", &identity.imei}}};
  for (const auto &[text, field] : asks) {
    AtResponse response;
    if (const AtResult result = command(text, &response); !result.ok()) {
      return result;
    }
    // The answer's last line: some phones put their prefix before it, and
    // noise may come first.
    const std::string line = response.lines.empty() ? std::string() : response.lines.back();
    const auto prefixed = fieldsOf(line, text.substr(2));
    *field = prefixed && !prefixed->empty() ? prefixed->front() : line;
  }
  return {};
}

AtResult AtPhone::simState(SimState &state) {
  AtResponse response;
  if (const AtResult result = command("AT+CPIN?", &response); !result.ok()) {
    return result;
  }
  std::optional<std::string> text;
  for (const std::string &line : response.lines) {
    text = text ? text : parsePinState(line);
  }
  if (!text) {
    return {AtStatus::BadAnswer};
  }
  state.text = *text;
  state.kind = *text == "READY"     ? SimState::Ready
               : *text == "SIM PIN" ? SimState::Pin
               : *text == "SIM PUK" ? SimState::Puk
                                    : SimState::Other;
  state.attemptsLeft = -1;
  // The attempts left, where the phone tells them (+CPINR: SIM PIN,2,3).
  if (state.kind == SimState::Pin && command("AT+CPINR=\"SIM PIN\"", &response).ok()) {
    for (const std::string &line : response.lines) {
      const auto fields = fieldsOf(line, "+CPINR");
      if (fields && fields->size() >= 2 && (*fields)[0] == "SIM PIN") {
        state.attemptsLeft = std::atoi((*fields)[1].c_str());
      }
    }
  }
  return {};
}

AtResult AtPhone::enterPin(std::string_view pin) {
  if (pin.empty() || pin.find_first_not_of("0123456789") != std::string_view::npos) {
    return {AtStatus::WrongPin};
  }
  return command("AT+CPIN=" + quoted(pin));
}

AtResult AtPhone::unlock(const std::function<std::optional<std::string>(int attemptsLeft)> &askPin) {
  AtResult result;
  for (int attempt = 0; attempt <= kPinTries; ++attempt) {
    SimState state;
    if (const AtResult asked = simState(state); !asked.ok()) {
      return asked;
    }
    if (state.kind == SimState::Ready) {
      return {};
    }
    if (state.kind != SimState::Pin) {
      return {state.kind == SimState::Puk ? AtStatus::PukLocked : AtStatus::Refused};
    }
    if (attempt == kPinTries) {
      break;
    }
    const std::optional<std::string> pin = askPin(state.attemptsLeft);
    if (!pin) {
      return {AtStatus::Cancelled};
    }
    result = enterPin(*pin);
    if (!result.ok() && result.status != AtStatus::WrongPin) {
      return result;
    }
  }
  return result;
}

AtResult AtPhone::chooseCharset() {
  AtResponse response;
  if (const AtResult result = command("AT+CSCS=?", &response); !result.ok()) {
    return result;
  }
  std::vector<std::string> offered;
  for (const std::string &line : response.lines) {
    offered = parseCharsets(line).value_or(offered);
  }
  const Charset wanted = pdx::at::chooseCharset(offered);
  const AtResult result = command("AT+CSCS=" + quoted(charsetName(wanted)));
  charset_ = result.ok() ? wanted : charset_;
  return result;
}

AtResult AtPhone::selectPhonebook(std::string_view memory, PhonebookMemory &info) {
  AtResponse storage;
  AtResponse range;
  AtResult result = command("AT+CPBS=" + quoted(memory));
  result = result.ok() ? command("AT+CPBS?", &storage) : result;
  result = result.ok() ? command("AT+CPBR=?", &range) : result;
  if (!result.ok()) {
    return result;
  }
  std::optional<StorageUse> use;
  std::optional<PhonebookRange> indexes;
  for (const std::string &line : storage.lines) {
    use = use ? use : parsePhonebookStorage(line);
  }
  for (const std::string &line : range.lines) {
    indexes = indexes ? indexes : parsePhonebookRange(line);
  }
  if (!indexes || indexes->first < 1 || indexes->last < indexes->first) {
    return {AtStatus::BadAnswer};
  }
  range_ = *indexes;
  info = PhonebookMemory{use.value_or(StorageUse{std::string(memory), -1, indexes->last}), *indexes};
  return {};
}

AtResult AtPhone::readRange(int first, int last, std::vector<AtContact> &entries) {
  AtResponse response;
  const AtResult result = command("AT+CPBR=" + std::to_string(first) + "," + std::to_string(last), &response);
  if (!result.ok()) {
    // Some phones call a range without entries "not found".
    return result.code == kCmeNotFound ? AtResult{} : result;
  }
  for (const std::string &line : response.lines) {
    if (const auto entry = parsePhonebookEntry(line);
        entry && entry->index >= first && entry->index <= last) {
      entries.push_back({entry->index, numberFromModem(decodeNumber(entry->number, charset_), entry->type),
                         decodeText(entry->name, charset_)});
    }
  }
  return {};
}

AtResult AtPhone::readPhonebook(std::vector<AtContact> &entries) {
  entries.clear();
  if (range_.last < range_.first || range_.first < 1) {
    return {AtStatus::BadAnswer};
  }
  int span = range_.last - range_.first + 1;
  for (int first = range_.first; first <= range_.last;) {
    const int last = std::min(range_.last, first + span - 1);
    const AtResult result = readRange(first, last, entries);
    if (result.status == AtStatus::Refused && span > 1) {
      span = (span + 1) / 2; // the phone takes shorter ranges only
      continue;
    }
    if (!result.ok()) {
      return result;
    }
    first = last + 1;
  }
  return {};
}

AtResult AtPhone::writeEntry(const AtContact &contact, size_t *unmapped) {
  const ModemNumber number = numberForModem(contact.number);
  const CharsetText name = encodeText(contact.name, charset_);
  if (unmapped != nullptr) {
    *unmapped = name.unmapped;
  }
  const std::string index = contact.index > 0 ? std::to_string(contact.index) : "";
  return command("AT+CPBW=" + index + "," + quoted(number.digits) + "," + std::to_string(number.type) + "," +
                 quoted(name.value));
}

AtResult AtPhone::deleteEntry(int index) {
  return command("AT+CPBW=" + std::to_string(index));
}

} // namespace pdx::at
