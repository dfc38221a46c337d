#include "features/sms/phonebook_choice.h"

#include "core/base/cp949.h"

#include <algorithm>
#include <map>

namespace pdx::features {

namespace {

// Number-kind symbols of the phone's font: home, office, mobile, pager.
constexpr const char *kKindSymbols[core::kNumberKinds] = {"\xC9\xA5", "\xC9\xA6", "\xC9\xA2", "\xC9\xA3"};

std::string groupName(const core::GroupTable &groups, int id) {
  const int index = groups.findById(id);
  const std::string_view name =
      index < 0 ? std::string_view() : groups[static_cast<size_t>(index)].name.view();
  return name == core::defaultGroupName() ? "[" + std::string(name) + "]" : std::string(name);
}

std::string_view column(const std::string &row, int n) {
  std::string_view rest = row;
  for (int i = 0; i < n; ++i) {
    rest.remove_prefix(std::min(rest.size(), rest.find('\t') + 1));
  }
  return rest.substr(0, rest.find('\t'));
}

} // namespace

std::vector<PickerRow> pickerRows(const core::PhonebookList &phone, const core::GroupTable &groups) {
  std::vector<PickerRow> rows;
  for (size_t entry = 0; entry < phone.size(); ++entry) {
    const core::PhoneBookEntry &e = phone[entry];
    bool first = true;
    for (size_t k = 0; k < core::kNumberKinds; ++k) {
      const std::string number(e.numbers[k].view());
      if (e.isEmpty() || number.empty()) {
        continue;
      }
      const std::string head = first ? std::string(e.name.view()) + "\t" + groupName(groups, e.group) : "\t";
      rows.push_back({head + "\t" + kKindSymbols[k] + number, number, entry});
      first = false;
    }
  }
  return rows;
}

void sortPickerRows(std::vector<PickerRow> &rows, int n) {
  // Each row is ranked by its entry's first row; the sort is stable and an
  // entry's rows are adjacent, so they stay together and in order.
  std::map<size_t, std::string> keys;
  for (const PickerRow &row : rows) {
    keys.emplace(row.entry, std::string(column(row.text, n)));
  }
  std::stable_sort(rows.begin(), rows.end(), [&keys](const PickerRow &a, const PickerRow &b) {
    return text::compareBytes(keys.at(a.entry), keys.at(b.entry)) < 0;
  });
}

} // namespace pdx::features
