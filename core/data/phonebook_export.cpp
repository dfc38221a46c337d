#include "core/data/phonebook_export.h"

namespace pdx::core {

namespace {

constexpr const char *kVcardTypes[kNumberKinds] = {"home", "work", "cell", "pager"};

} // namespace

std::string vcardText(const std::string &value) {
  std::string out;
  for (char c : value) {
    if (c == '\\' || c == ',' || c == ';') {
      out.push_back('\\');
      out.push_back(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out.push_back(c);
    }
  }
  return out;
}

std::string csvField(const std::string &value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) {
    return value;
  }
  std::string out = "\"";
  for (char c : value) {
    out.push_back(c);
    if (c == '"') {
      out.push_back('"');
    }
  }
  return out + "\"";
}

std::string groupNameUtf8(const GroupTable &groups, int id) {
  const int at = groups.findById(id);
  if (at < 0 || groups[static_cast<size_t>(at)].name.view() == defaultGroupName()) {
    return std::string();
  }
  return groups[static_cast<size_t>(at)].name.utf8();
}

std::string phonebookToVcard(const PhonebookList &entries, const GroupTable &groups) {
  std::string out;
  for (const PhoneBookEntry &e : entries) {
    if (e.isEmpty()) {
      continue;
    }
    const std::string name = vcardText(e.name.utf8());
    out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    out += "FN:" + name + "\r\nN:" + name + ";;;;\r\n";
    for (size_t k = 0; k < kNumberKinds; ++k) {
      if (!e.numbers[k].empty()) {
        out += std::string("TEL;TYPE=") + kVcardTypes[k] + ":" + vcardText(e.numbers[k].utf8()) + "\r\n";
      }
    }
    const std::string group = groupNameUtf8(groups, e.group);
    if (!group.empty()) {
      out += "CATEGORIES:" + vcardText(group) + "\r\n";
    }
    out += "END:VCARD\r\n";
  }
  return out;
}

std::string phonebookToCsv(const PhonebookList &entries, const GroupTable &groups) {
  std::string out = "이름,그룹,집,회사,휴대폰,삐삐\n";
  for (const PhoneBookEntry &e : entries) {
    if (e.isEmpty()) {
      continue;
    }
    out += csvField(e.name.utf8()) + "," + csvField(groupNameUtf8(groups, e.group));
    for (const auto &number : e.numbers) {
      out += "," + csvField(number.utf8());
    }
    out += "\n";
  }
  return out;
}

} // namespace pdx::core
