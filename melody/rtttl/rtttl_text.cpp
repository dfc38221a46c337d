#include "melody/rtttl/rtttl_text.h"

#include "core/base/user_text.h"

#include <algorithm>
#include <cctype>

namespace pdx::melody {

std::vector<Field> splitFields(std::string_view whole, size_t begin, size_t end) {
  std::vector<Field> fields(1);
  fields.back().start = begin;
  for (size_t i = begin; i < end; ++i) {
    const auto c = static_cast<unsigned char>(whole[i]);
    if (c == ',') {
      fields.emplace_back().start = i + 1;
    } else if (!std::isspace(c)) {
      fields.back().text.push_back(static_cast<char>(std::tolower(c)));
      fields.back().at.push_back(i);
    }
  }
  return fields;
}

std::string positionText(std::string_view whole, size_t offset) {
  const std::string_view before = whole.substr(0, std::min(offset, whole.size()));
  const size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
  const auto line = 1 + std::count(before.begin(), before.end(), '\n');
  // Characters, not bytes: UTF-8 continuation bytes are not counted.
  const auto column =
      1 + std::count_if(before.begin() + static_cast<long>(lineStart), before.end(),
                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  return pdx::text::fill(text::translate("pdx::melody::RtttlImport", "%1행 %2번째 글자"),
                         {std::to_string(line), std::to_string(column)});
}

} // namespace pdx::melody
