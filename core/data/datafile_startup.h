// Start-up's handling of the data file: a file that exists but cannot be
// read is never overwritten. It is set aside untouched under a new name
// beside it ("Pelodex.dat.unreadable-YYYYMMDD-HHMMSS"), the user is told
// why, and offered the backup "Pelodex.old" when that one reads. A missing
// file (the first start) stays silent.
#pragma once

#include "core/data/datafile.h"

#include <ctime>
#include <string>

namespace pdx::core {

// What start-up needs from the user; the program's window implements it.
class DataFileUser {
public:
  virtual ~DataFileUser() = default;
  // A message with OK (UTF-8).
  virtual void tell(const std::string &message) = 0;
  // A yes/no question (UTF-8): true for yes.
  virtual bool ask(const std::string &question) = 0;
};

enum class StartupLoad {
  Loaded,     // the data file was read
  FirstStart, // no data file and no backup: an empty phonebook, silently
  FromBackup, // the user chose to start from the backup
  Empty,      // the file was set aside; the user starts with an empty phonebook
  Refused,    // an unreadable file could not be set aside: the program must end
};

// Loads the store's data file as start-up does. The PC side holds what
// was read (or nothing), always with the default group; the modified flag
// is set so that the next save writes the data file and makes the run's
// backup, except after a set-aside file (Empty). `now` names a set-aside
// file.
StartupLoad loadAtStartup(DataFile &file, CDataStore &store, DataFileUser &user, std::time_t now);

// "Pelodex.dat.unreadable-YYYYMMDD-HHMMSS" (local time) beside `file`.
std::filesystem::path setAsideName(const std::filesystem::path &file, std::time_t now);

} // namespace pdx::core
