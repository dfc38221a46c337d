// The data store as the link's phone mirror.
#include "core/data/samples.h"
#include "core/data/store.h"

namespace pdx::core {

void CDataStore::beginRead(Part part) {
  switch (part) {
  case Part::Messages:
    receivedSms.clear();
    savedSms.clear();
    break;
  case Part::Phonebook:
    beginPhonebookRead();
    break;
  case Part::Alarms:
    alarms.clear();
    break;
  case Part::Options:
    break;
  }
}

void CDataStore::fillSamples(Part part, const CivilTime &now) {
  switch (part) {
  case Part::Messages:
    fillSampleSms(*this);
    break;
  case Part::Phonebook:
    fillSamplePhonebook(*this);
    break;
  case Part::Alarms:
    fillSampleAlarms(*this, now);
    break;
  case Part::Options:
    fillSampleOptions(*this);
    break;
  }
}

bool CDataStore::isRead(Part part) const {
  switch (part) {
  case Part::Messages:
    return read.receivedBox && read.savedBox;
  case Part::Phonebook:
    return read.phonebook;
  case Part::Alarms:
    return read.alarms;
  case Part::Options:
    return read.options;
  }
  return false;
}

void CDataStore::markRead(Part part) {
  switch (part) {
  case Part::Messages:
    read.receivedBox = read.savedBox = true;
    break;
  case Part::Phonebook:
    read.phonebook = true;
    break;
  case Part::Alarms:
    read.alarms = true;
    break;
  case Part::Options:
    read.options = true;
    break;
  }
}

void CDataStore::setSlot(const PhoneBookEntry &entry) {
  if (entry.phoneSlot < phonePhonebook.size()) {
    phonePhonebook.replaceAt(entry.phoneSlot, entry);
  }
}

void CDataStore::setSpeedDials(SpeedDialTable table) {
  phoneSpeedDials = std::move(table);
  if (phonePhonebook.size() > 0) {
    validateSpeedDials();
  }
}

void CDataStore::addAlarm(const AlarmEntry &alarm, const CivilTime &now) {
  if (!alarms.full()) {
    (void)alarms.insert(alarm, now);
  }
}

} // namespace pdx::core
