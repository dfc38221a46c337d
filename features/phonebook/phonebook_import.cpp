#include "features/phonebook/phonebook_import.h"

#include "core/base/user_text.h"
#include "features/phonebook/csv_import.h"
#include "features/phonebook/import_decode.h"
#include "features/phonebook/text_import.h"
#include "features/phonebook/vcard_import.h"

#include <algorithm>

namespace pdx::features {

namespace {

constexpr size_t kNameBytes = 16;
constexpr size_t kNumberBytes = 32;
static_assert(core::kMaxPcEntries == 200000, "the full phonebook's note names the limit");

std::string joined(const std::vector<std::string> &parts) {
  std::string out;
  for (const std::string &part : parts) {
    out += (out.empty() ? "" : "; ") + part;
  }
  return out;
}

} // namespace

void ImportedContact::addNote(std::string note) {
  if (notes.size() < kMaxContactNotes) {
    notes.push_back(std::move(note));
  } else {
    ++unlistedNotes;
  }
}

PhonebookImporter::PhonebookImporter(core::CDataStore &store, const GroupCreator &createGroup, bool utf8)
    : store_(store), createGroup_(createGroup), utf8_(utf8) {
  for (const core::PhoneBookEntry &e : store.pcPhonebook) {
    names_.emplace(e.name.view());
  }
}

std::string PhonebookImporter::recordText(std::string_view text, std::vector<std::string> &notes) const {
  if (!utf8_) {
    return std::string(text);
  }
  if (std::optional<std::string> exact = text::fromUtf8Exact(text)) {
    return std::move(*exact);
  }
  notes.push_back(text::translate("pdx::phonebook", "완성형 한글 코드에 없는 문자를 ?로 바꾸었습니다"));
  return text::fromUtf8(text);
}

int PhonebookImporter::groupFor(std::string_view name, std::vector<std::string> &notes) {
  const std::string_view stored = core::storedGroupName(name);
  if (const int at = store_.phoneGroups.findByName(stored); at >= 0) {
    return store_.phoneGroups[static_cast<size_t>(at)].id;
  }
  const int id = stored.empty() ? -1 : createGroup_(stored);
  if (id < 0) {
    notes.push_back(text::translate("pdx::phonebook", "그룹을 만들 수 없어 그룹 없이 넣었습니다"));
    return 0;
  }
  return id;
}

void PhonebookImporter::note(const ImportedContact &contact, const std::vector<std::string> &reasons) {
  if (reasons.empty()) {
    return;
  }
  if (result_.notes.size() >= kMaxImportNotes) {
    ++result_.unlistedNotes;
    return;
  }
  const std::string name = utf8_ ? contact.name : text::toUtf8(contact.name);
  result_.notes.push_back(
      {contact.line, text::escapeInvalidUtf8(name), text::escapeInvalidUtf8(joined(reasons))});
}

void PhonebookImporter::add(const ImportedContact &contact) {
  std::vector<std::string> reasons = contact.notes;
  if (contact.unlistedNotes > 0) {
    reasons.push_back(text::fill(text::translate("pdx::phonebook", "그 밖에 %1건"),
                                 {std::to_string(contact.unlistedNotes)}));
  }
  core::PhoneBookEntry entry;
  const std::string name = recordText(contact.name, reasons);
  entry.name.set(std::string_view(name).substr(0, text::cutWhole(name, kNameBytes)));
  for (size_t k = 0; k < entry.numbers.size(); ++k) {
    if (contact.numbers[k].size() > kNumberBytes) {
      reasons.push_back(
          text::fill(text::translate("pdx::phonebook", "%1 번호가 32자보다 길어 넣지 않았습니다: %2"),
                     {core::numberLabel(k), contact.numbers[k]}));
    } else {
      entry.numbers[k].set(contact.numbers[k]);
    }
  }
  const bool anyNumber =
      std::any_of(entry.numbers.begin(), entry.numbers.end(), [](auto &n) { return !n.empty(); });
  const char *skip = entry.name.empty() ? QT_TRANSLATE_NOOP("pdx::phonebook", "이름이 없습니다")
                     : !anyNumber       ? QT_TRANSLATE_NOOP("pdx::phonebook", "전화번호가 없습니다")
                     : names_.contains(std::string(entry.name.view()))
                         ? QT_TRANSLATE_NOOP("pdx::phonebook", "같은 이름이 이미 있습니다")
                     : store_.pcPhonebook.size() >= core::kMaxPcEntries
                         ? QT_TRANSLATE_NOOP("pdx::phonebook", "전화번호부가 가득 찼습니다(200,000건)")
                         : nullptr;
  if (skip != nullptr) {
    reasons.insert(reasons.begin(), text::fill(text::translate("pdx::phonebook", "건너뜀: %1"),
                                               {text::translate("pdx::phonebook", skip)}));
    ++result_.skipped;
    return note(contact, reasons);
  }
  if (!contact.group.empty()) {
    entry.group = static_cast<uint16_t>(groupFor(recordText(contact.group, reasons), reasons));
  }
  store_.pcPhonebook.append(entry);
  names_.emplace(entry.name.view());
  ++result_.added;
  note(contact, reasons);
}

ImportResult importPhonebookFile(std::string_view fileBytes, core::CDataStore &store,
                                 const GroupCreator &createGroup) {
  const std::optional<text::FileText> decoded = decodeImportText(fileBytes);
  if (!decoded) {
    ImportResult refused;
    refused.status = ImportResult::NotText;
    return refused;
  }
  store.modified = true;
  const bool vcard = looksLikeVcard(decoded->text);
  const bool csv = !vcard && looksLikeExportedCsv(decoded->text);
  PhonebookImporter importer(store, createGroup, decoded->utf8 || vcard);
  if (vcard) {
    readVcards(decoded->text, decoded->utf8, importer);
  } else if (csv) {
    readExportedCsv(decoded->text, importer);
  } else if (!readPhonebookText(decoded->text, importer)) {
    importer.result().status = ImportResult::BadFormat;
  }
  return importer.result();
}

GroupCreator offlineGroupCreator(core::CDataStore &store) {
  return [&store](std::string_view name) { return store.phoneGroups.addGroup(name, 0); };
}

} // namespace pdx::features
