// An archival dump of everything read from the phone: the records as JSON,
// the phonebook also as vCard and CSV, the data of every frame received,
// the frame transcript, and a manifest of SHA-256 sums that `sha256sum -c`
// checks.
#pragma once

#include "core/data/store.h"
#include "link/frame/frame.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pdx::link {

// Every frame of a session, as the link's trace reports it.
struct FrameRecord {
  double seconds = 0; // since the session began
  bool fromPhone = false;
  Frame frame;
};

// One line per frame: seconds, direction, code name and the wire bytes in hex.
std::string transcriptText(const std::vector<FrameRecord> &frames);
// Lowercase hex SHA-256 of `bytes`.
std::string sha256Hex(std::span<const uint8_t> bytes);

// Writes the dump into `folder` (created when missing; files there with
// the same names are replaced). False with `error` set on the first file
// that cannot be written.
bool writeBackup(const std::filesystem::path &folder, const core::CDataStore &store,
                 const std::vector<FrameRecord> &frames, std::string &error);

} // namespace pdx::link
