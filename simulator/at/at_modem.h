// The modem's side of an AT dialogue: bytes from the program in, bytes of
// the answer out. One command a line (CR ends it), an optional echo,
// result codes verbose with numbered +CME/+CMS errors after AT+CMEE=1, and
// the "> " prompt of +CMGS and +CMGW, whose PDU ends with Ctrl-Z (Esc
// cancels it).
#pragma once

#include "simulator/at/at_modem_state.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pdx::simulator::at {

// A command the modem refuses: every command starting with `prefix` (as
// "+CPBW") answers with this error code, +CMS for message commands.
struct AtRefusal {
  std::string prefix;
  int code = 0;
};

class AtModem {
public:
  explicit AtModem(AtModemState state) : state_(std::move(state)) {}

  void setRefusal(std::optional<AtRefusal> refusal) { refusal_ = std::move(refusal); }
  // Called once push() or receive() has changed what the phone keeps (its
  // phonebooks, messages, PIN, PIN attempts or lock), before it returns.
  void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }
  // The answer to the bytes, possibly empty while a line is incomplete.
  std::string push(std::string_view bytes);
  // A message arrives from the network: stored as received unread, with the
  // +CMTI notice to send (empty when the store is full).
  std::string receive(const std::string &pdu);

  const AtModemState &state() const { return state_; }
  int commandsHandled() const { return commands_; }

  // One command's answer: information lines and the result code.
  struct Answer {
    std::vector<std::string> lines;
    int cme = -1;
    int cms = -1;
    bool error = false;
    bool prompt = false;
  };

private:
  std::string handleLine(const std::string &line);
  std::string finishPdu(bool send);
  Answer dispatch(std::string_view command);
  Answer basic(std::string_view command);
  Answer identity(std::string_view command);
  Answer pin(std::string_view command);
  Answer charset(std::string_view command);
  Answer phonebookStorage(std::string_view command);
  Answer phonebookRead(std::string_view command);
  Answer phonebookWrite(std::string_view command);
  Answer phonebookFind(std::string_view command);
  Answer messageStorage(std::string_view command);
  Answer messageList(std::string_view command);
  Answer messageRead(std::string_view command);
  Answer messageEntry(std::string_view command);
  Answer messageDelete(std::string_view command);
  std::string render(const Answer &answer) const;
  std::string entryLine(int index, const AtEntry &entry) const;
  AtPhonebook &book();
  int messagesUsed() const;
  // A received message read for the first time: unread (0) becomes read (1).
  void markRead(AtMessage &message);
  // Marks the kept data changed; push() and receive() then tell changed_.
  void stored() { stored_ = true; }
  void tellIfStored();

  AtModemState state_;
  std::optional<AtRefusal> refusal_;
  std::function<void()> changed_;
  bool stored_ = false;
  std::string line_;
  bool echo_ = true;
  bool numberedErrors_ = false;
  std::string charset_ = "IRA";
  bool simBook_ = true;
  // While a PDU is being entered: "+CMGS" or "+CMGW", its TPDU length and
  // the status to store it with.
  std::string pduCommand_;
  int pduLength_ = 0;
  int pduStatus_ = 2;
  int reference_ = 0;
  int commands_ = 0;
};

} // namespace pdx::simulator::at
