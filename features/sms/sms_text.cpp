#include "features/sms/sms_text.h"

#include "core/base/cp949.h"
#include "core/base/text_file.h"
#include "core/calendar/gregorian.h"

#include <algorithm>
#include <fstream>

namespace pdx::features {

namespace {

// Reads an optionally signed decimal number after optional blanks, as
// "%d" does; false when there are no digits or it does not fit.
bool readNumber(std::string_view &rest, long &value) {
  size_t i = 0;
  while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) {
    ++i;
  }
  const bool negative = i < rest.size() && rest[i] == '-';
  if (i < rest.size() && (rest[i] == '-' || rest[i] == '+')) {
    ++i;
  }
  const size_t digits = i;
  value = 0;
  for (; i < rest.size() && rest[i] >= '0' && rest[i] <= '9'; ++i) {
    value = value * 10 + (rest[i] - '0');
    if (value > 99999) {
      return false;
    }
  }
  if (i == digits) {
    return false;
  }
  value = negative ? -value : value;
  rest.remove_prefix(i);
  return true;
}

bool readSeparator(std::string_view &rest, char separator) {
  if (separator == ' ') { // a blank in the pattern matches any run of blanks
    const size_t n = rest.find_first_not_of(" \t");
    rest.remove_prefix(n == std::string_view::npos ? rest.size() : n);
    return true;
  }
  if (rest.empty() || rest.front() != separator) {
    return false;
  }
  rest.remove_prefix(1);
  return true;
}

enum class LeadingTime { None, Valid, Refused };

// The leading time of a line. Six numbers in the pattern that name no
// calendar date, or a year a message cannot carry, are refused: the record
// could not hold them.
LeadingTime readTime(std::string_view line, core::SmsMessage &m) {
  constexpr char kSeparators[] = {'-', '-', ' ', ':', ':'};
  long v[6];
  for (int i = 0; i < 6; ++i) {
    if ((i > 0 && !readSeparator(line, kSeparators[i - 1])) || !readNumber(line, v[i])) {
      return LeadingTime::None;
    }
  }
  if (v[0] < kFirstMessageYear || v[0] > kLastMessageYear ||
      !calendar::isValidDate(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2])) ||
      v[3] < 0 || v[3] > 23 || v[4] < 0 || v[4] > 59 || v[5] < 0 || v[5] > 59) {
    return LeadingTime::Refused;
  }
  m.setTime({static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3]),
             static_cast<int>(v[4]), static_cast<int>(v[5])});
  return LeadingTime::Valid;
}

std::string_view field(std::string_view text, size_t limit) {
  return text.substr(0, text::cutWhole(text, limit));
}

core::SmsMessage messageOf(std::string_view line, const core::CivilTime &now, bool &refused) {
  core::SmsMessage m;
  const LeadingTime time = readTime(line, m);
  refused = time == LeadingTime::Refused;
  if (time == LeadingTime::Valid) {
    const size_t tab = line.find('\t');
    std::string_view rest = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    const size_t second = rest.find('\t');
    m.text.set(field(rest.substr(0, second), m.text.kCapacity));
    if (second != std::string_view::npos) {
      m.number.set(field(rest.substr(second + 1), m.number.kCapacity));
    }
    return m;
  }
  m.setTime(now);
  m.text.set(field(line, m.text.kCapacity));
  return m;
}

} // namespace

std::vector<core::SmsMessage> parseSmsText(std::string_view file, const core::CivilTime &now,
                                           std::vector<size_t> *refusedTimes) {
  const std::string converted = text::textFileAsCp949(file);
  std::string_view rest = converted;
  std::vector<core::SmsMessage> messages;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, std::min(end, kSmsLineLimit));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
      line.remove_suffix(1);
    }
    bool refused = false;
    if (!line.empty()) {
      messages.push_back(messageOf(line, now, refused));
    }
    if (refused && refusedTimes != nullptr) {
      refusedTimes->push_back(messages.size() - 1);
    }
  }
  return messages;
}

std::optional<std::string> readSmsFile(const std::filesystem::path &path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string text(kSmsFileLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) {
    return std::nullopt;
  }
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

} // namespace pdx::features
