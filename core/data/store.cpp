#include "core/data/store.h"

#include "core/base/atomic_file.h"

#include <cstdio>
#include <string>

namespace pdx::core {

void CDataStore::addPhoneSms(const SmsMessage &message) {
  (message.inSavedBox() ? savedSms : receivedSms).insert(message);
}

void CDataStore::beginPhonebookRead() {
  pcGroups.clear();
  for (const PhoneGroup &group : phoneGroups) {
    pcGroups.insert(group);
  }
  phoneGroups.clear();
  phonePhonebook.resetSlots(kPhoneSlots);
}

void CDataStore::validateSpeedDials() {
  for (SpeedDialKey &key : phoneSpeedDials) {
    if (key.isUnused()) {
      key.clear();
      continue;
    }
    const auto slot = static_cast<size_t>(key.slot);
    const bool valid = slot < phonePhonebook.size() && !phonePhonebook[slot].isEmpty() &&
                       !phonePhonebook[slot].numbers[static_cast<size_t>(key.kind)].empty();
    if (!valid) {
      key.clear();
    }
  }
}

DocResult exportSmsText(const std::filesystem::path &path, const SmsMessage &m,
                        std::optional<std::string_view> wholeText) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%d-%d-%d %d:%d:%d\t", m.year, m.month, m.day, m.hour, m.minute,
                m.second);
  std::string line = stamp;
  line.append(wholeText.value_or(m.text.view()));
  line.push_back('\t');
  line.append(m.number.view());
  return writeFileAtomically(path, {reinterpret_cast<const uint8_t *>(line.data()), line.size()});
}

} // namespace pdx::core
