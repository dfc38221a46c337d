#include "features/phonebook/text_import.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

namespace {

using core::PhoneBookEntry;

constexpr size_t kMaxLine = 1000;
constexpr std::string_view kMobilePrefixes[] = {"011", "016", "017", "018", "019"};
constexpr std::string_view kPagerPrefixes[] = {"012", "015"};
enum Kind { kHome = 0, kMobile = 2, kPager = 3 };

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

bool startsWithAny(std::string_view token, std::span<const std::string_view> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](std::string_view p) { return token.starts_with(p); });
}

// The group of that name in the group table, created when missing; -1 when
// there is none and it could not be created.
int groupFor(std::string_view token, core::CDataStore &store, const GroupCreator &createGroup) {
  // The name is compared as it would be stored, so that a long name does not
  // create a new group on every line.
  const std::string_view name = token.substr(0, text::cutWhole(token, 12));
  const int at = store.phoneGroups.findByName(name);
  if (at >= 0) {
    return store.phoneGroups[static_cast<size_t>(at)].id;
  }
  return createGroup(name);
}

void takeNumber(std::string_view token, PhoneBookEntry &entry) {
  if (startsWithAny(token, kMobilePrefixes)) {
    entry.numbers[kMobile].set(token);
  } else if (startsWithAny(token, kPagerPrefixes)) {
    entry.numbers[kPager].set(token);
  } else if (core::isValidPhoneNumber(token.substr(0, 32))) {
    const auto empty =
        std::find_if(entry.numbers.begin(), entry.numbers.end(), [](auto &n) { return n.empty(); });
    if (empty != entry.numbers.end()) {
      empty->set(token);
    }
  }
}

// Builds the entry a line describes; nothing when it has no number.
std::optional<PhoneBookEntry> parseLine(std::string_view line, core::CDataStore &store,
                                        const GroupCreator &createGroup) {
  const std::vector<std::string_view> tokens = tokenize(line);
  if (tokens.empty()) {
    return std::nullopt;
  }
  PhoneBookEntry entry;
  entry.name.set(tokens[0]);
  entry.name.dropDanglingLead();
  for (size_t i = 1; i < tokens.size(); ++i) {
    const std::string_view token = tokens[i];
    if (token[0] < '0' || token[0] > '9') {
      const int group = groupFor(token, store, createGroup);
      entry.group = static_cast<uint16_t>(group < 0 ? 0 : group);
    } else {
      takeNumber(token, entry);
    }
  }
  const bool anyNumber =
      std::any_of(entry.numbers.begin(), entry.numbers.end(), [](auto &n) { return !n.empty(); });
  if (!anyNumber) {
    return std::nullopt;
  }
  return entry;
}

bool nameExists(const core::PhonebookList &list, std::string_view name) {
  return std::any_of(list.begin(), list.end(),
                     [&](const PhoneBookEntry &e) { return e.name.view() == name; });
}

} // namespace

ImportResult importPhonebookText(std::string_view fileText, core::CDataStore &store,
                                 const GroupCreator &createGroup) {
  const std::string converted =
      text::looksLikeUtf8(fileText) ? text::fromUtf8(fileText) : std::string(fileText);
  ImportResult result;
  store.modified = true;
  std::string_view rest = converted;
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
      line.remove_suffix(1);
    }
    if (line.size() > kMaxLine) {
      result.status = ImportResult::BadFormat;
      return result;
    }
    if (line.empty()) {
      continue;
    }
    const std::optional<PhoneBookEntry> entry = parseLine(line, store, createGroup);
    if (!entry || nameExists(store.pcPhonebook, entry->name.view())) {
      ++result.skipped;
      continue;
    }
    store.pcPhonebook.append(*entry);
    ++result.added;
  }
  return result;
}

GroupCreator offlineGroupCreator(core::CDataStore &store) {
  return [&store](std::string_view name) { return store.phoneGroups.addGroup(name, 0); };
}

} // namespace pdx::features
