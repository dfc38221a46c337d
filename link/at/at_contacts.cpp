#include "link/at/at_contacts.h"

#include "core/base/cp949.h"
#include "core/base/phone_number.h"
#include "core/base/user_text.h"
#include "link/at/text_codec.h"

#include <map>

namespace pdx::at {

namespace {

constexpr size_t kNameBytes = 16;

// The field for `number` still free in `entry`, or -1.
int freeField(const core::PhoneBookEntry &entry, const std::string &number) {
  const auto byPrefix = text::fieldByPrefix(number);
  for (const int field : byPrefix ? std::vector<int>{*byPrefix} : std::vector<int>{0, 1}) {
    if (entry.numbers[static_cast<size_t>(field)].empty()) {
      return field;
    }
  }
  return -1;
}

// The name as the record holds it, with notes of what was lost.
std::string recordName(const std::string &utf8, std::vector<ContactNote> &notes) {
  const Cp949Text name = toCp949(utf8);
  if (!name.missing.empty()) {
    notes.push_back(
        {utf8, text::translate("pdx::at::Contacts", "완성형 한글 코드에 없는 문자를 ?로 바꾸었습니다: ") +
                   name.missing});
  }
  const size_t cut = text::cutWhole(name.bytes, kNameBytes);
  if (cut < name.bytes.size()) {
    notes.push_back({utf8, text::translate("pdx::at::Contacts", "이름이 16바이트보다 길어 잘랐습니다")});
  }
  return name.bytes.substr(0, cut);
}

} // namespace

PelodexEntries entriesFromPhone(const std::vector<AtContact> &contacts) {
  PelodexEntries out;
  std::map<std::string, std::vector<size_t>> byName; // entries of each phone name
  for (const AtContact &contact : contacts) {
    const auto number = text::dialledNumber(contact.number);
    if (!number || !core::isValidPhoneNumber(*number)) {
      out.notes.push_back(
          {contact.name,
           text::translate("pdx::at::Contacts", "번호를 넣을 수 없어 건너뛰었습니다: ") + contact.number});
      continue;
    }
    std::vector<size_t> &same = byName[contact.name];
    auto at = std::find_if(same.begin(), same.end(),
                           [&](size_t i) { return freeField(out.entries[i], *number) >= 0; });
    if (at == same.end()) {
      core::PhoneBookEntry entry;
      entry.name.set(recordName(contact.name, out.notes));
      out.entries.push_back(entry);
      out.indexes.emplace_back();
      same.push_back(out.entries.size() - 1);
      at = same.end() - 1;
    }
    core::PhoneBookEntry &entry = out.entries[*at];
    entry.numbers[static_cast<size_t>(freeField(entry, *number))].set(*number);
    out.indexes[*at].push_back(contact.index);
  }
  return out;
}

PhoneContacts contactsForPhone(const core::PhoneBookEntry &entry, int nameLength) {
  PhoneContacts out;
  const std::string full = entry.name.utf8();
  std::u32string name = codePoints(full);
  if (nameLength >= 0 && name.size() > static_cast<size_t>(nameLength)) {
    name.resize(static_cast<size_t>(nameLength));
    out.notes.push_back(
        {full, text::fill(text::translate("pdx::at::Contacts", "이름이 휴대폰의 %1자보다 길어 잘랐습니다"),
                          {std::to_string(nameLength)})});
  }
  for (const auto &number : entry.numbers) {
    if (!number.empty()) {
      out.contacts.push_back({0, std::string(number.view()), toUtf8(name)});
    }
  }
  return out;
}

} // namespace pdx::at
