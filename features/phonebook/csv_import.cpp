#include "features/phonebook/csv_import.h"

#include <vector>

namespace pdx::features {

namespace {

constexpr std::string_view kHeader = "이름,그룹,집,회사,휴대폰,삐삐";
constexpr size_t kColumns = 6;

// Reads one record (quoted fields may hold commas, quotes and line ends)
// from the front of `text`, counting the lines it spans.
std::vector<std::string> nextRecord(std::string_view &text, int &lines) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        fields.back().push_back('"');
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        lines += c == '\n' ? 1 : 0;
        fields.back().push_back(c);
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '\n') {
      break;
    } else if (c != '\r') {
      fields.back().push_back(c);
    }
  }
  text.remove_prefix(std::min(i + 1, text.size()));
  ++lines;
  return fields;
}

} // namespace

bool looksLikeExportedCsv(std::string_view text) {
  return text.starts_with(kHeader) &&
         text.substr(kHeader.size()).find_first_not_of("\r") == text.substr(kHeader.size()).find('\n');
}

void readExportedCsv(std::string_view text, PhonebookImporter &importer) {
  int lines = 0;
  (void)nextRecord(text, lines); // the header
  while (!text.empty()) {
    const int start = lines + 1;
    std::vector<std::string> fields = nextRecord(text, lines);
    if (fields.size() == 1 && fields[0].empty()) {
      continue;
    }
    fields.resize(kColumns);
    ImportedContact contact;
    contact.line = start;
    contact.name = fields[0];
    contact.group = fields[1];
    for (size_t k = 0; k < contact.numbers.size(); ++k) {
      contact.numbers[k] = fields[2 + k];
    }
    importer.add(contact);
  }
}

} // namespace pdx::features
