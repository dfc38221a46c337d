// What the phonebook's logic needs from the outside: the phone (through the
// link), the user (messages, questions, the comparison dialog), and the
// cancel key. The page implements them; tests script them.
#pragma once

#include "core/data/lists.h"
#include "core/data/records.h"

#include <string>

namespace pdx::features {

class PhonebookPhone {
public:
  virtual ~PhonebookPhone() = default;
  // Each write counts only when the phone accepted it.
  virtual bool writeEntry(int slot, const core::PhoneBookEntry &entry) = 0;
  // Writes group `group` under `id`; `table` is the group table it belongs to.
  virtual bool writeGroup(const core::GroupTable &table, int id, const core::PhoneGroup &group) = 0;
  virtual bool writeSpeedDials(const core::SpeedDialTable &table) = 0;
};

class PageUser {
public:
  virtual ~PageUser() = default;
  // A message box with OK (UTF-8 text).
  virtual void tell(const std::string &message) = 0;
  // An OK/Cancel question: true for OK.
  virtual bool ask(const std::string &question) = 0;
  // Whether Esc was pressed since the operation began; pending input is
  // handled first.
  virtual bool cancelRequested() { return false; }
  // A change of several rows: told before each row (`done` rows of
  // `total` finished) and once at the end, with done = total, also when it
  // stopped early.
  virtual void progress(int /*done*/, int /*total*/) {}
};

// The comparison dialog of the merge.
enum class MergeChoice { PcToPhone, PhoneToPc, AlwaysPcToPhone, AlwaysPhoneToPc };

struct Conflict {
  std::string line;       // the sentence naming what differs
  std::string pcValue;    // UTF-8
  std::string phoneValue; // UTF-8
};

class ConflictResolver {
public:
  virtual ~ConflictResolver() = default;
  virtual MergeChoice resolve(const Conflict &conflict) = 0;
};

} // namespace pdx::features
