// One program per data file: an exclusive lock on "Pelodex.lock" beside
// "Pelodex.dat", held while the object lives. The system drops it when the
// holder ends, however it ends, so a crash leaves nothing to clean up; a
// frozen or stopped holder keeps it.
#pragma once

#include <filesystem>

namespace pdx::core {

class DataFileLock {
public:
  enum class State {
    Held,       // this object holds the lock
    Taken,      // another program holds it
    Unavailable // no lock file can be made there (nothing to guard then)
  };

  // Takes the lock of the data file in `folder`; the lock file is made
  // when missing.
  explicit DataFileLock(const std::filesystem::path &folder);
  ~DataFileLock();
  DataFileLock(const DataFileLock &) = delete;
  DataFileLock &operator=(const DataFileLock &) = delete;

  State state() const { return state_; }

private:
  int fd_ = -1;
  State state_ = State::Unavailable;
};

} // namespace pdx::core
