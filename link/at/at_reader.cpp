#include "link/at/at_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace pdx::at {

namespace {

struct FinalCode {
  std::string_view text;
  FinalResult result;
  bool prefixOnly; // "CONNECT 9600", "+CME ERROR: 10"
  bool endsCall;   // unsolicited when no command waits
};

constexpr std::array<FinalCode, 11> kFinalCodes = {{
    {"OK", FinalResult::Ok, false, false},
    {"ERROR", FinalResult::Error, false, false},
    {"+CME ERROR:", FinalResult::CmeError, true, false},
    {"+CMS ERROR:", FinalResult::CmsError, true, false},
    {"NO CARRIER", FinalResult::NoCarrier, false, true},
    {"NO DIALTONE", FinalResult::NoDialtone, false, true},
    {"NO DIAL TONE", FinalResult::NoDialtone, false, true},
    {"BUSY", FinalResult::Busy, false, true},
    {"NO ANSWER", FinalResult::NoAnswer, false, true},
    {"CONNECT", FinalResult::Connect, true, false},
    {"COMMAND NOT SUPPORT", FinalResult::Error, false, false},
}};

// Codes a modem sends on its own. A vendor's status lines start with '^'
// (^RSSI, ^BOOT, ^MODE) and are unsolicited as well.
constexpr std::array<UnsolicitedCode, 16> kUnsolicited = {{
    {"RING", false},
    {"+CRING", false},
    {"+CMTI", false},
    {"+CMT", true},
    {"+CDSI", false},
    {"+CDS", true},
    {"+CBM", true},
    {"+CLIP", false},
    {"+CREG", false},
    {"+CGREG", false},
    {"+CEREG", false},
    {"+CUSD", false},
    {"+CIEV", false},
    {"+CCWA", false},
    {"+CSSI", false},
    {"+CSSU", false},
}};

std::string upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  return out;
}

std::string_view trimmed(std::string_view text) {
  const size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) {
    return {};
  }
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// "+CMTI" of "+CMTI: "SM",3"; the whole line when it has no colon.
std::string_view prefixOf(std::string_view line) {
  return line.substr(0, line.find(':'));
}

// "+CPBR" of "AT+CPBR=1,10"; empty for a basic command such as "ATE0".
std::string commandPrefix(std::string_view command) {
  const std::string text = upper(trimmed(command));
  if (!text.starts_with("AT") || text.size() < 3 || (text[2] != '+' && text[2] != '^')) {
    return {};
  }
  return text.substr(2, text.find_first_of("=?;", 2) - 2);
}

const FinalCode *finalCodeOf(std::string_view line) {
  const auto *found = std::find_if(kFinalCodes.begin(), kFinalCodes.end(), [line](const FinalCode &code) {
    return code.prefixOnly ? line.starts_with(code.text) : line == code.text;
  });
  return found != kFinalCodes.end() ? found : nullptr;
}

const UnsolicitedCode *unsolicitedCodeOf(std::string_view line) {
  static constexpr UnsolicitedCode kVendor{"^", false};
  if (line.starts_with('^')) {
    return &kVendor;
  }
  const std::string_view prefix = prefixOf(line);
  const auto *found = std::find_if(kUnsolicited.begin(), kUnsolicited.end(),
                                   [prefix](const UnsolicitedCode &code) { return code.prefix == prefix; });
  return found != kUnsolicited.end() ? found : nullptr;
}

int errorCodeOf(std::string_view line) {
  const std::string_view value = trimmed(line.substr(line.find(':') + 1));
  int code = -1;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), code);
  return error == std::errc() && end == value.data() + value.size() ? code : -1;
}

} // namespace

void AtReader::beginCommand(std::string_view command) {
  waiting_ = true;
  prompt_ = false;
  echo_ = upper(trimmed(command));
  pduEcho_.clear();
  prefix_ = commandPrefix(command);
  answer_ = AtResponse{};
  done_.reset();
}

void AtReader::beginPdu(std::string_view hex) {
  pduEcho_ = upper(trimmed(hex));
}

void AtReader::abandonCommand() {
  waiting_ = false;
  prompt_ = false;
}

void AtReader::push(std::string_view bytes) {
  for (char c : bytes) {
    if (c == '\r' || c == '\n') {
      endLine();
    } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      continue; // NUL, Ctrl-Z after an echoed PDU and other line noise
    } else if (line_.size() >= kMaxLine) {
      overlong_ = true;
    } else {
      line_.push_back(c);
      if (waiting_ && line_ == "> ") {
        prompt_ = true;
        line_.clear();
      }
    }
  }
}

void AtReader::endLine() {
  if (overlong_) {
    ++noise_;
  } else if (!trimmed(line_).empty()) {
    handleLine(std::string(trimmed(line_)));
  }
  line_.clear();
  overlong_ = false;
}

bool AtReader::isEcho(const std::string &line) const {
  const std::string text = upper(line);
  return text == echo_ || (!pduEcho_.empty() && text == pduEcho_);
}

void AtReader::handleLine(const std::string &line) {
  // The line after +CMT is its PDU when it is hexadecimal; otherwise the
  // PDU went missing and the line is read for itself.
  if (pendingPdu_) {
    const bool hex = line.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
    if (hex) {
      pendingPdu_->pdu = line;
    }
    addUnsolicited(std::move(*pendingPdu_));
    pendingPdu_.reset();
    if (hex) {
      return;
    }
  }
  if (!waiting_) {
    handleIdleLine(line);
    return;
  }
  if (isEcho(line)) {
    return;
  }
  if (prefix_.empty() || prefixOf(line) != prefix_) {
    if (const FinalCode *code = finalCodeOf(line)) {
      answer_.result = code->result;
      const bool numbered = code->result == FinalResult::CmeError || code->result == FinalResult::CmsError;
      answer_.errorCode = numbered ? errorCodeOf(line) : -1;
      finish();
      return;
    }
    if (const UnsolicitedCode *code = unsolicitedCodeOf(line)) {
      takeUnsolicitedLine(line, *code);
      return;
    }
  }
  if (answer_.lines.size() < kMaxAnswerLines) {
    answer_.lines.push_back(line);
  } else {
    answer_.truncated = true;
  }
}

// Without a command, a call's end ("NO CARRIER") is news; a late "OK" is not.
void AtReader::handleIdleLine(const std::string &line) {
  const FinalCode *final = finalCodeOf(line);
  if (const UnsolicitedCode *code = unsolicitedCodeOf(line)) {
    takeUnsolicitedLine(line, *code);
  } else if (final != nullptr && final->endsCall) {
    addUnsolicited({line, {}});
  } else {
    ++noise_;
  }
}

void AtReader::takeUnsolicitedLine(const std::string &line, const UnsolicitedCode &code) {
  if (code.awaitsPdu) {
    pendingPdu_ = Unsolicited{line, {}};
  } else {
    addUnsolicited({line, {}});
  }
}

void AtReader::finish() {
  done_ = std::move(answer_);
  answer_ = AtResponse{};
  waiting_ = false;
  prompt_ = false;
}

void AtReader::addUnsolicited(Unsolicited &&code) {
  if (unsolicited_.size() >= kMaxUnsolicited) {
    unsolicited_.pop_front();
  }
  unsolicited_.push_back(std::move(code));
}

bool AtReader::takePrompt() {
  return std::exchange(prompt_, false);
}

std::optional<AtResponse> AtReader::takeResponse() {
  return std::exchange(done_, std::nullopt);
}

std::vector<Unsolicited> AtReader::takeUnsolicited() {
  std::vector<Unsolicited> out(unsolicited_.begin(), unsolicited_.end());
  unsolicited_.clear();
  return out;
}

} // namespace pdx::at
