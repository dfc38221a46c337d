// Result codes of the document layers (data file, melody file, animation
// file), as stored files and callers know them.
#pragma once

namespace pdx {

enum class [[nodiscard]] DocResult : int{
    Ok = 0,          CannotOpen = 2,         BackupExists = 3,
    NotThisKind = 4, UnsupportedVersion = 5, UnsupportedFormat = 6,
    ReadError = 7,   CannotCreate = 8,       WriteError = 9,
};

constexpr int code(DocResult r) {
  return static_cast<int>(r);
}

// A Korean sentence for the user saying what went wrong.
const char *describe(DocResult r);

} // namespace pdx
