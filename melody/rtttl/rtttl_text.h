// Pieces of ringtone text as the reader walks them: comma-separated fields
// with the place of each character in the whole text, for the messages.
#pragma once

#include "melody/rtttl/rtttl.h"

#include <string>
#include <string_view>
#include <vector>

namespace pdx::melody {

// A field with blanks removed and letters in lower case; `at` holds the
// offset in the whole text of each character kept.
struct Field {
  std::string text;
  std::vector<size_t> at;
  size_t start = 0;
  // Offset of character `i`, or just past the field's last one.
  size_t offset(size_t i) const { return i < at.size() ? at[i] : at.empty() ? start : at.back() + 1; }
};

// The fields of whole[begin, end) between commas.
std::vector<Field> splitFields(std::string_view whole, size_t begin, size_t end);

// "3행 12번째 글자": the line and character (not byte) of `offset`.
std::string positionText(std::string_view whole, size_t offset);

// Reads the ringtone in whole[begin, end); messages name places in `whole`.
RtttlImport importRtttlPart(std::string_view whole, size_t begin, size_t end);

} // namespace pdx::melody
