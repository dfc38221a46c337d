// The logic of the two message pages: the received box (read marking,
// reply, delete) and the saved box of messages to send (new, modify, send
// now, delete, loading a text file). Every change is one request to the
// phone; the boxes change only when the phone accepted it, and a refusal
// is told to the user with the command's own sentence.
#pragma once

#include "core/base/clock.h"
#include "core/data/store.h"
#include "features/common/page_user.h"
#include "features/sms/sms_ports.h"

#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

enum class SmsBoxKind { Received, Saved };

// Saved-box slots on the phone.
inline constexpr int kFirstSavedSlot = 129;
inline constexpr int kSavedSlots = 10;
// Bytes the dialogs let the user type into a message.
inline constexpr int kDialogTextBytes = 80;

// What the reply and send dialogs hand back (code page 949).
struct SmsAddress {
  std::string recipient;
  std::string callback;
};

class SmsEditor {
public:
  // `callback`: the phone information text, the default callback number.
  SmsEditor(core::CDataStore &store, SmsPhone &phone, PageUser &user, const Clock &clock,
            std::string callback);

  const core::SmsBox &box(SmsBoxKind kind) const;
  const std::string &defaultCallback() const { return callback_; }
  // The lowest saved-box slot no message uses; -1 when the box is full.
  int freeSlot() const;

  // Marks received message `row` read on the phone. Does nothing while a
  // marking runs, for a read message, or after two failures in a row since
  // the page opened. True when the row changed.
  bool markRead(int row);
  int markFailures() const { return markFailures_; }

  // Reply: whether a reply can be stored (tells the limit otherwise).
  bool canReply();
  // Stores the reply (with the recipient as its number when sending now),
  // then sends it when `sendNow`. The saved-box row, or nothing.
  std::optional<int> storeReply(const std::string &text, const SmsAddress &address, bool sendNow);

  // New message: whether there is a free slot (tells the limit otherwise).
  bool canAdd();
  // Stores a new message; the saved-box row, or nothing.
  std::optional<int> addNew(const std::string &text);
  // Gives saved message `row` a new text and the current time; the new row
  // (the top of the box unless its clock is behind), or nothing.
  std::optional<int> modify(int row, const std::string &text);
  // Sends saved message `row`; the stored message stays as it is.
  bool send(int row, const SmsAddress &address);
  // Asks first; erases the message on the phone. Whether it was removed.
  bool remove(SmsBoxKind kind, int row);

  struct LoadResult {
    std::vector<core::SmsMessage> stored; // in file order
    std::optional<int> lastRow;           // the last stored message's row
  };
  // Stores the messages of a text file while free slots last; a refusal is
  // told and ends the loading; a full box ends it silently.
  LoadResult load(std::string_view fileText);

private:
  core::SmsMessage newSaved(int slot, std::string_view text) const;
  core::SmsBox &mutableBox(SmsBoxKind kind);

  core::CDataStore &store_;
  SmsPhone &phone_;
  PageUser &user_;
  const Clock &clock_;
  std::string callback_;
  bool marking_ = false;
  int markFailures_ = 0;
};

} // namespace pdx::features
