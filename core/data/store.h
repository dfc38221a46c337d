// The data store: the one owner of every record of the phone-data program.
// It holds the phone mirror (what was last read from the phone or written
// to it) and the PC side (the user's own phonebook and groups, which live
// in the data file).
#pragma once

#include "core/base/doc_result.h"
#include "core/data/alarm_list.h"
#include "core/data/lists.h"
#include "core/data/phone_mirror.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

namespace pdx::core {

// Entries the PC phonebook holds at most. The data file's reader refuses a
// file that declares more, and every writer (entry dialog, merge, import)
// stops here, so a saved file always reads back: 200,000 entries of 157
// bytes are 31.4 MB, under the reader's 32 MB.
inline constexpr size_t kMaxPcEntries = 200000;

struct ReadFlags {
  bool receivedBox = false;
  bool savedBox = false;
  bool phonebook = false;
  bool alarms = false;
  bool options = false;
};

class CDataStore : public PhoneMirror {
public:
  // Phone mirror.
  SmsBox savedSms;
  SmsBox receivedSms;
  GroupTable phoneGroups;
  PhonebookList phonePhonebook; // after a read: 200 entries, entry i = slot i
  SpeedDialTable phoneSpeedDials;
  AlarmList alarms;
  PhoneOptions options;
  ReadFlags read;

  // PC side.
  GroupTable pcGroups;
  PhonebookList pcPhonebook;
  SpeedDialTable pcSpeedDials;
  bool pcDataLoaded = false;

  bool loaded = false;
  bool modified = false; // set by every change to the PC phonebook or groups
  bool testMode = false;
  bool backupMade = false; // set by the first save of a run

  std::filesystem::path dataDir; // each folder ends in a separator
  std::filesystem::path melodyDir;
  std::filesystem::path animationDir;

  // Files a message read from the phone in its box: the saved box when bit
  // 7 of its slot is set, otherwise the received box.
  void addPhoneSms(const SmsMessage &message);

  // Prepares a phonebook read: the phone group table is copied into the PC
  // group list (kept for the merge), then the phone group table is cleared
  // and the phone phonebook refilled with 200 empty entries.
  void beginPhonebookRead();

  // Marks unused every speed-dial key that does not name a non-empty entry
  // of the phone phonebook with a non-empty number of its kind.
  void validateSpeedDials();

  bool inTestMode() const override { return testMode; }
  void beginRead(Part part) override;
  void fillSamples(Part part, const CivilTime &now) override;
  bool isRead(Part part) const override;
  void markRead(Part part) override;
  void addMessage(const SmsMessage &message) override { addPhoneSms(message); }
  void setGroups(GroupTable groups) override { phoneGroups = std::move(groups); }
  void setSlot(const PhoneBookEntry &entry) override;
  void setSpeedDials(SpeedDialTable table) override;
  void addAlarm(const AlarmEntry &alarm, const CivilTime &now) override;
  const AlarmList &phoneAlarms() const override { return alarms; }
  void setOptions(const PhoneOptions &value) override { options = value; }
};

// Writes a message as "Y-M-D h:m:s<TAB>text<TAB>number" (no line end) to
// `path`, replacing it atomically: Ok, CannotCreate or WriteError.
// `wholeText` (code page 949), when given, stands for a text the record
// holds cut.
DocResult exportSmsText(const std::filesystem::path &path, const SmsMessage &message,
                        std::optional<std::string_view> wholeText = std::nullopt);

} // namespace pdx::core
