// Message text files: one message per line, "Y-M-D h:m:s<TAB>text<TAB>
// number" or just a text; core::exportSmsText writes them in code page 949.
// A file is read by the suite's rule for text files (core/base/text_file.h),
// so UTF-8 and UTF-16 files are converted.
#pragma once

#include "core/data/alarm_list.h"
#include "core/data/records.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::features {

// The years a message can carry: the phone keeps year - 1900 in one byte.
inline constexpr int kFirstMessageYear = 1900;
inline constexpr int kLastMessageYear = 1900 + 255;

// Bytes of a line that are read; the rest of a longer line is dropped.
inline constexpr size_t kSmsLineLimit = 1023;
// Largest message file read (more lines than any box can take).
inline constexpr size_t kSmsFileLimit = 1 << 20;

// The messages of a file's text, in file order; lines without a leading
// time get `now`. Empty lines are skipped; texts are cut at 85 and numbers
// at 32 bytes without splitting a character. A leading time that names no
// calendar date or a year outside kFirstMessageYear..kLastMessageYear
// makes its line an untimed one, and its message's index in the result is
// added to `refusedTimes`.
std::vector<core::SmsMessage> parseSmsText(std::string_view file, const core::CivilTime &now,
                                           std::vector<size_t> *refusedTimes = nullptr);

// The first kSmsFileLimit bytes of a message file; nothing when it is not a
// regular file or cannot be read.
std::optional<std::string> readSmsFile(const std::filesystem::path &path);

} // namespace pdx::features
