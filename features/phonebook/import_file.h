// Reading the file of a phonebook import.
#pragma once

#include <cstdint>

namespace pdx::features {

// Largest import file read: room for a few hundred thousand lines, while a
// device or a runaway file is refused before it is read.
inline constexpr uint64_t kMaxImportFileBytes = uint64_t(16) << 20;

} // namespace pdx::features
