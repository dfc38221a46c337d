// The bytes of a melody file: a 64-byte header, the 32-byte title, the
// record count and one record per melody (all integers little-endian).
#pragma once

#include "core/base/doc_result.h"
#include "melody/file/melody.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace pdx::melody {

using MelodyList = std::vector<std::unique_ptr<CMelody>>;
using FileTitle = FixedText<32>;

inline constexpr size_t kHeaderSize = 64;
inline constexpr size_t kRecordHeaderSize = 28;
// Offset of the first record: header, title and count.
inline constexpr size_t kRecordsOffset = 100;

struct DecodedFile {
  FileTitle title;
  MelodyList melodies;
  bool older = false; // durations were converted from the older scale
};

// Decodes a whole file. Ok, NotThisKind (magic), UnsupportedVersion or
// ReadError (a record with more than 1024 entries, or a count whose records
// cannot fit in `bytes`). Data missing at the end of the file is not an
// error: what was not read keeps its initial value. Each melody's encoded
// length is recomputed and longer melodies cut as the file rules say.
DocResult decodeMelodyFile(std::span<const uint8_t> bytes, DecodedFile &out);

// The current file format for `title` and `melodies`; each record stores the
// encoded length the melody holds.
std::vector<uint8_t> encodeMelodyFile(const FileTitle &title, const MelodyList &melodies);

// The duration an older file's value stands for on the current scale.
uint16_t convertOlderDuration(uint16_t duration);

} // namespace pdx::melody
