// A phone of today over AT commands: one command at a time on an open
// serial device, its answer awaited on the event loop (never polled), the
// phonebook and the message store reached through 3GPP TS 27.007 and
// 27.005 commands. New-message notices and rings arrive between commands.
#pragma once

#include "core/base/event_loop.h"
#include "link/at/at_lines.h"
#include "link/at/at_reader.h"
#include "link/at/concat.h"
#include "link/serial/serial_device.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::at {

enum class AtStatus : uint8_t {
  Ok,
  NoAnswer,  // nothing within the time-out
  HungUp,    // the device went away
  Refused,   // ERROR, +CME ERROR or +CMS ERROR other than those below
  PinNeeded, // the SIM wants its PIN first
  PukLocked, // the SIM wants its PUK: reported, never guessed at
  WrongPin,  // the PIN was not accepted
  BadAnswer, // an answer this client cannot read
  Cancelled, // the user gave no PIN
};

struct AtResult {
  AtStatus status = AtStatus::Ok;
  int code = -1; // the +CME/+CMS error code; -1 for none or a plain ERROR
  bool ok() const { return status == AtStatus::Ok; }
};

// One line of Korean for the user.
std::string describe(const AtResult &result);

struct AtIdentity {
  std::string maker;
  std::string model;
  std::string revision;
  std::string imei;
};

struct SimState {
  enum Kind : uint8_t { Ready, Pin, Puk, Other } kind = Other;
  int attemptsLeft = -1; // -1 when the phone does not say
  std::string text;      // as +CPIN gave it
};

// The selected phonebook memory: its used and total places, the index
// range and the longest number (digits) and name (characters).
struct PhonebookMemory {
  StorageUse use;
  PhonebookRange range;
};

// An entry as the phone holds it: one name, one number.
struct AtContact {
  int index = 0;
  std::string number; // as the user dials it ("010-1234-5678")
  std::string name;   // UTF-8
};

class AtPhone {
public:
  static constexpr Millis kCommandTimeout{5000};
  // A phone of today answers AT at once: a port silent this long holds none.
  static constexpr Millis kProbeTimeout{1000};
  static constexpr Millis kSendTimeout{60000}; // +CMGS waits for the network

  AtPhone(link::SerialDevice &device, EventLoop &loop);
  ~AtPhone();
  AtPhone(const AtPhone &) = delete;
  AtPhone &operator=(const AtPhone &) = delete;

  // AT, ATE0, AT+CMEE=1 on the open device (after a bare CR that ends what
  // the line holds): Ok makes it an AT phone.
  AtResult probe();
  AtResult identify(AtIdentity &identity);
  AtResult simState(SimState &state);
  AtResult enterPin(std::string_view pin);
  // The log-on: asks `askPin` (given the attempts left, -1 unknown) for the
  // PIN while the SIM wants it, three times at most; a PUK-locked SIM ends
  // it with PukLocked, no answer from `askPin` with Cancelled.
  AtResult unlock(const std::function<std::optional<std::string>(int attemptsLeft)> &askPin);

  // UCS2 when offered, else GSM, else IRA.
  AtResult chooseCharset();
  Charset charset() const { return charset_; }

  // "SM" (SIM) or "ME" (phone).
  AtResult selectPhonebook(std::string_view memory, PhonebookMemory &info);
  // Every entry of the selected memory, read in as few ranges as the phone
  // takes (the whole range first, halved while refused).
  AtResult readPhonebook(std::vector<AtContact> &entries);
  // Writes `contact` at its index (0: the first free place); the name must
  // fit the memory. `unmapped`, when given, gets the count of the name's
  // characters the character set lacks (written as '?'), to report.
  AtResult writeEntry(const AtContact &contact, size_t *unmapped = nullptr);
  AtResult deleteEntry(int index);

  // PDU mode and the storage ("SM", "ME" or "MT") for reading, writing and
  // receiving.
  AtResult selectMessageStorage(std::string_view storage, StorageUse &use);
  AtResult listMessages(std::vector<StoredSms> &messages);
  AtResult readMessage(int index, StoredSms &message);
  AtResult storeMessage(const EncodedPdu &pdu, int &index);
  // Sends `text`, in concatenated parts when it needs more than one;
  // `references` gets the network's reference of each part sent.
  AtResult sendText(std::string_view recipient, std::string_view text, std::vector<int> &references);
  AtResult deleteMessage(int index);

  // A new message was stored at `index` of `storage` (+CMTI).
  void setOnNewMessage(std::function<void(const std::string &storage, int index)> callback) {
    onNewMessage_ = std::move(callback);
  }
  void setOnRing(std::function<void()> callback) { onRing_ = std::move(callback); }
  // The device hung up (a cable or adapter pulled): told once, from the
  // loop, whether a command waits or the line is idle; the command that
  // waits ends with HungUp.
  void setOnHangUp(std::function<void()> callback) { onHangUp_ = std::move(callback); }

  // Sends one command and awaits its final result code.
  AtResult command(std::string_view text, AtResponse *response = nullptr, Millis timeout = kCommandTimeout);

private:
  AtResult enterPdu(std::string_view text, const EncodedPdu &pdu, AtResponse &response, Millis timeout);
  bool await(const std::function<bool()> &done, Millis timeout);
  void onDataArrived();
  void dispatchUnsolicited();
  AtResult readRange(int first, int last, std::vector<AtContact> &entries);

  link::SerialDevice &device_;
  EventLoop &loop_;
  AtReader reader_;
  std::optional<AtResponse> response_;
  bool prompt_ = false;
  Charset charset_ = Charset::Ira;
  PhonebookRange range_;
  uint8_t concatReference_ = 0;
  std::function<void(const std::string &, int)> onNewMessage_;
  std::function<void()> onRing_;
  std::function<void()> onHangUp_;
};

} // namespace pdx::at
