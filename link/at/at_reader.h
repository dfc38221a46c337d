// The modem's side of an AT dialogue, pushed byte by byte as it arrives:
// lines are split at CR, LF or both in either order; the echo of the command
// is dropped; information lines are gathered until the final result code;
// unsolicited result codes (a new message, a ring, a vendor's status) are
// kept apart from the answer; the "> " prompt of +CMGS and +CMGW is
// reported. Time is not the reader's business: the caller abandons a
// command whose answer is late.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

enum class FinalResult : uint8_t {
  Ok,
  Error,
  CmeError,
  CmsError,
  NoCarrier,
  NoDialtone,
  Busy,
  NoAnswer,
  Connect
};

struct AtResponse {
  FinalResult result = FinalResult::Ok;
  int errorCode = -1;             // +CME ERROR: n, +CMS ERROR: n; -1 when the modem gave text
  std::vector<std::string> lines; // information lines, in order
  bool truncated = false;         // lines past kMaxAnswerLines were dropped
  bool ok() const { return result == FinalResult::Ok; }
};

// An unsolicited result code; +CMT, +CDS and +CBM carry their PDU on the
// line after.
struct Unsolicited {
  std::string line;
  std::string pdu;
};

// A code a modem sends on its own, by the prefix of its line.
struct UnsolicitedCode {
  std::string_view prefix;
  bool awaitsPdu;
};

class AtReader {
public:
  static constexpr size_t kMaxLine = 1024;        // longer lines are dropped as noise
  static constexpr size_t kMaxAnswerLines = 4096; // information lines of one answer
  static constexpr size_t kMaxUnsolicited = 64;   // the oldest go first

  // Waits for the answer to `command` as sent, without its CR. A line of
  // the command's prefix ("+CPBR" for "AT+CPBR=1,10") belongs to the answer
  // even where the same prefix can come unsolicited.
  void beginCommand(std::string_view command);
  // The PDU sent after the prompt, whose echo is dropped as well.
  void beginPdu(std::string_view hex);
  // Forgets the command: until the next one, lines that are not
  // unsolicited result codes are noise.
  void abandonCommand();
  bool waiting() const { return waiting_; }

  void push(std::string_view bytes);

  // True once after the prompt of the current command.
  bool takePrompt();
  std::optional<AtResponse> takeResponse();
  std::vector<Unsolicited> takeUnsolicited();
  size_t noiseLines() const { return noise_; }

private:
  void endLine();
  void handleLine(const std::string &line);
  void handleIdleLine(const std::string &line);
  void takeUnsolicitedLine(const std::string &line, const UnsolicitedCode &code);
  bool isEcho(const std::string &line) const;
  void finish();
  void addUnsolicited(Unsolicited &&code);

  std::string line_;
  bool overlong_ = false;
  bool waiting_ = false;
  bool prompt_ = false;
  std::optional<Unsolicited> pendingPdu_; // a +CMT waiting for its PDU line
  std::string echo_;
  std::string pduEcho_;
  std::string prefix_;
  AtResponse answer_;
  std::optional<AtResponse> done_;
  std::deque<Unsolicited> unsolicited_;
  size_t noise_ = 0;
};

} // namespace pdx::at
