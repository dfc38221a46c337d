// A phone of today over AT commands, seen as Pelodex sees a phone: its
// phonebook and messages read into the phone mirror, writes and deletes
// reaching the phone's own entries, and new-message notices.
//
// The mirror keeps Pelodex's records (a phonebook of 200 slots, boxes of
// messages with 85-byte texts). The session keeps beside them what those
// records cannot hold: for each phonebook slot the phone's indexes its
// numbers came from (one phone entry per number), and for each message
// slot the phone's indexes of its parts and its whole text.
//
// Use: connect(), then readPhonebook() / readMessages(); the pages' ports
// (at_phones.h) write through writeEntry(), storeMessage(),
// eraseMessage() and sendText(). One command at a time: none may be
// started from inside the new-message callback (post the re-read of the
// messages to the loop instead).
//
// Finding the phone (as pelodex-cli does): the original handshake on the
// port search first; when it finds nothing, each device of
// platform::searchDevices() is opened and asked phone().probe(), and the
// first that answers is connect()ed, unless the Protocol setting
// (features::protocolChoice) forces one protocol. An AT phone never takes
// the four-digit password.
//
// Message slots: received messages are numbered 0, 1, ... in the phone's
// order, stored ones 129, 130, ...; a stored box may hold more than the
// ten slots the original handset had.
#pragma once

#include "core/data/phone_mirror.h"
#include "features/common/phone_features.h"
#include "link/at/at_contacts.h"
#include "link/at/at_phone.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::pelodex {

// Given the attempts left (-1 when the phone does not say), the PIN the
// user typed, or nothing when the user gave up.
using PinAsker = std::function<std::optional<std::string>(int attemptsLeft)>;

// Message slots as the mirror numbers them: received from 0, stored from
// 129 (bit 7 marks the stored box), at most this many in each box.
inline constexpr int kAtBoxSlots = 127;

class AtSession {
public:
  AtSession(link::SerialDevice &device, EventLoop &loop, core::PhoneMirror &mirror);

  // Opens port `port` of the device unless it is open, asks AT, ATE0 and
  // AT+CMEE=1, unlocks the SIM with `askPin` and chooses the character set.
  // Any failure closes the port again.
  at::AtResult connect(int port, const PinAsker &askPin);
  void close();

  // The phone itself (identify(), probe()); what it offers is
  // features::PhoneFeatures::of(features::PhoneProtocol::At).
  at::AtPhone &phone() { return phone_; }

  // Reads phonebook memory `memory` ("SM" the SIM, "ME" the phone) into
  // the mirror: entries of one name joined, at most 200 (the rest noted).
  at::AtResult readPhonebook(std::string_view memory);
  const at::PhonebookMemory &phonebookMemory() const { return memory_; }
  // What the last read or write could not keep as it was.
  const std::vector<at::ContactNote> &notes() const { return notes_; }
  // The phone's indexes behind phonebook slot `slot` (empty for none).
  std::vector<int> phoneIndexes(int slot) const;
  // Makes slot `slot` hold `entry` on the phone: each number written at a
  // free index, then the slot's former entries deleted; an empty entry
  // only deletes. On a refusal the former entries stay.
  at::AtResult writeEntry(int slot, const core::PhoneBookEntry &entry);

  // Reads message storage `storage` ("SM", "ME" or "MT") into the
  // mirror's boxes: received unread and read (read state 0 and 1) in the
  // received box, stored unsent and sent (read state 0 and 1) in the
  // stored box; concatenated parts joined.
  at::AtResult readMessages(std::string_view storage);
  // The whole text (UTF-8) of the message in mirror slot `slot`, which the
  // record may hold cut; empty for an unknown slot.
  std::string wholeText(int slot) const;
  std::vector<int> messageIndexes(int slot) const;
  // A received message marked read (the phone marks it when it is read
  // out), or a stored message written anew (its former parts deleted
  // after the new ones are stored). The record's text is used unless it is
  // the cut form of the slot's whole text.
  at::AtResult storeMessage(const core::SmsMessage &message);
  at::AtResult eraseMessage(const core::SmsMessage &message);
  // Sends `utf8` to `recipient`, in concatenated parts when it needs more
  // than one.
  at::AtResult sendText(std::string_view recipient, std::string_view utf8);
  // The record's text, or the whole text it was cut from.
  std::string textOf(const core::SmsMessage &message) const;

  // A new message arrived (+CMTI): the storage and index it was put at.
  void setOnNewMessage(std::function<void(const std::string &storage, int index)> callback) {
    phone_.setOnNewMessage(std::move(callback));
  }
  // The device hung up; the port stays open until close().
  void setOnHangUp(std::function<void()> callback) { phone_.setOnHangUp(std::move(callback)); }

private:
  struct StoredMessage {
    std::vector<int> indexes;
    std::string text; // UTF-8, whole
  };
  at::AtResult fail(at::AtResult result);
  void fileMessage(const at::JoinedSms &joined, int &received, int &stored);
  int freeIndex() const;
  at::AtResult storeParts(const core::SmsMessage &message, std::vector<int> &indexes);
  at::AtResult deleteAll(const std::vector<int> &indexes);

  link::SerialDevice &device_;
  core::PhoneMirror &mirror_;
  at::AtPhone phone_;
  at::PhonebookMemory memory_;
  std::vector<at::ContactNote> notes_;
  std::map<int, std::vector<int>> slotIndexes_;
  std::map<int, StoredMessage> messages_;
  uint8_t reference_ = 0; // of the concatenated messages stored
};

} // namespace pdx::pelodex
