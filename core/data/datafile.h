// The local data file "Pelodex.dat": the PC side of the phonebook (groups
// and entries), with one backup generation "Pelodex.old" beside it.
#pragma once

#include "core/base/doc_result.h"
#include "core/data/store.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace pdx::core {

// Largest data file read: room for the PC phonebook's kMaxPcEntries, while
// endless and absurd inputs are refused before they are read.
inline constexpr uint64_t kMaxDataFileBytes = uint64_t(32) << 20;

class DataFile {
public:
  explicit DataFile(CDataStore &store) : store_(store) {}

  // Reads the file of the store's data folder into the PC side. Ok,
  // CannotOpen, BackupExists (only when `firstStart` is false),
  // NotThisKind, UnsupportedVersion, UnsupportedFormat or ReadError.
  DocResult load(bool firstStart);
  // Writes the file when the store is modified: Ok, CannotCreate or
  // WriteError. A failed save leaves "Pelodex.dat" and "Pelodex.old" as
  // they were and keeps the modified flag.
  DocResult save();
  std::filesystem::path fileName(bool backup) const;

private:
  CDataStore &store_;
};

// Loads the data file at `file` (any name) into the store's PC side as a
// load does, the default group included; CannotOpen when it cannot be
// opened or is not a regular file, ReadError when it is larger than
// kMaxDataFileBytes or cannot be read.
DocResult loadDataFileAt(const std::filesystem::path &file, CDataStore &store);

// The bytes of the file for the store's phone group table and PC phonebook.
std::vector<uint8_t> encodeDataFile(const CDataStore &store);
// Reads `bytes` into the store's PC side as a load does (without the file
// and without the default group).
DocResult decodeDataFile(std::span<const uint8_t> bytes, CDataStore &store);

} // namespace pdx::core
