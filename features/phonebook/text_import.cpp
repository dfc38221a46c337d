#include "features/phonebook/text_import.h"

#include "core/base/phone_number.h"
#include "features/phonebook/import_decode.h"

#include <algorithm>
#include <vector>

namespace pdx::features {

namespace {

constexpr size_t kMaxLine = 1000;

std::vector<std::string_view> tokenize(std::string_view line) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < line.size()) {
    const size_t start = line.find_first_not_of(" \t\r\n", i);
    if (start == std::string_view::npos) {
      break;
    }
    const size_t end = std::min(line.find_first_of(" \t\r\n", start), line.size());
    tokens.push_back(line.substr(start, end - start));
    i = end;
  }
  return tokens;
}

void takeNumber(std::string_view token, ImportedContact &contact) {
  auto &numbers = contact.numbers;
  if (const auto field = text::fieldByPrefix(token)) {
    numbers[static_cast<size_t>(*field)] = token;
  } else if (core::isValidPhoneNumber(token.substr(0, 32))) {
    const auto empty = std::find_if(numbers.begin(), numbers.end(), [](auto &n) { return n.empty(); });
    if (empty != numbers.end()) {
      *empty = token;
    }
  }
}

ImportedContact parseLine(std::string_view line, int lineNumber) {
  const std::vector<std::string_view> tokens = tokenize(line);
  ImportedContact contact;
  contact.line = lineNumber;
  contact.name = tokens.front();
  for (size_t i = 1; i < tokens.size(); ++i) {
    const std::string_view token = tokens[i];
    if (token[0] < '0' || token[0] > '9') {
      contact.group = token;
    } else {
      takeNumber(token, contact);
    }
  }
  return contact;
}

} // namespace

bool readPhonebookText(std::string_view text, PhonebookImporter &importer) {
  int lineNumber = 0;
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    ++lineNumber;
    if (line.size() > kMaxLine) {
      return false;
    }
    if (line.find_first_not_of(" \t\r") != std::string_view::npos) {
      importer.add(parseLine(line, lineNumber));
    }
  }
  return true;
}

} // namespace pdx::features
