// Exit statuses of pelodex-cli beyond the documents' own result codes
// (the usual meanings of sysexits.h).
#pragma once

namespace pdx::cli {

inline constexpr int kBadData = 65;
inline constexpr int kUnreadableInput = 66;
inline constexpr int kCannotCreate = 73;
inline constexpr int kOutputError = 74;

} // namespace pdx::cli
