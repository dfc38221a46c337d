#include "apps/pelodex/adapters/at_session.h"

#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "link/at/phone_number.h"

#include <algorithm>
#include <set>

namespace pdx::pelodex {

namespace {

using at::AtResult;
using at::AtStatus;

constexpr int kSavedBit = 0x80;

// Bits 1..4 of an entry's flags say which numbers it holds, bit 0 that the
// slot is used.
uint16_t flagsOf(const core::PhoneBookEntry &entry) {
  uint16_t flags = entry.isEmpty() ? 0 : 1;
  for (size_t n = 0; n < core::kNumberKinds; ++n) {
    flags = static_cast<uint16_t>(flags | (entry.numbers[n].empty() ? 0 : 1 << (n + 1)));
  }
  return flags;
}

std::string recordText(std::string_view utf8) {
  const std::string bytes = text::fromUtf8(utf8);
  return bytes.substr(0, text::cutWhole(bytes, 85));
}

core::SmsMessage recordOf(const at::JoinedSms &joined, int slot) {
  core::SmsMessage message;
  message.slot = static_cast<uint16_t>(slot);
  message.readState = joined.status == 1 || joined.status == 3 ? 1 : 0;
  const at::SmsTimestamp &at = joined.pdu.sentAt;
  message.setTime({at.year, at.month, at.day, at.hour, at.minute, at.second});
  message.number.setWhole(text::fromUtf8(at::numberFromModem(joined.pdu.address)));
  message.text.setWhole(recordText(joined.pdu.text));
  return message;
}

} // namespace

AtSession::AtSession(link::SerialDevice &device, EventLoop &loop, core::PhoneMirror &mirror)
    : device_(device), mirror_(mirror), phone_(device, loop) {}

AtResult AtSession::fail(AtResult result) {
  if (!result.ok()) {
    device_.close();
  }
  return result;
}

AtResult AtSession::connect(int port, const PinAsker &askPin) {
  if (!device_.isOpen() && !device_.open(port)) {
    return {AtStatus::HungUp};
  }
  AtResult result = phone_.probe();
  result = result.ok() ? phone_.unlock(askPin) : result;
  return fail(result.ok() ? phone_.chooseCharset() : result);
}

void AtSession::close() {
  device_.close();
}

std::vector<int> AtSession::phoneIndexes(int slot) const {
  const auto found = slotIndexes_.find(slot);
  return found == slotIndexes_.end() ? std::vector<int>{} : found->second;
}

AtResult AtSession::readPhonebook(std::string_view memory) {
  std::vector<at::AtContact> contacts;
  AtResult result = phone_.selectPhonebook(memory, memory_);
  result = result.ok() ? phone_.readPhonebook(contacts) : result;
  if (!result.ok()) {
    return result;
  }
  at::PelodexEntries joined = at::entriesFromPhone(contacts);
  notes_ = std::move(joined.notes);
  slotIndexes_.clear();
  mirror_.beginRead(core::PhoneMirror::Part::Phonebook);
  for (size_t i = 0; i < joined.entries.size(); ++i) {
    core::PhoneBookEntry &entry = joined.entries[i];
    if (i >= static_cast<size_t>(core::kPhoneSlots)) {
      notes_.push_back({entry.name.utf8(), text::translate("pdx::pelodex::AtSession",
                                                           "Pelodex의 200칸을 넘어 읽지 않았습니다")});
      continue;
    }
    entry.phoneSlot = static_cast<uint16_t>(i);
    entry.phoneState = core::kStoredOnPhone;
    entry.flags = flagsOf(entry);
    mirror_.setSlot(entry);
    slotIndexes_[static_cast<int>(i)] = std::move(joined.indexes[i]);
  }
  mirror_.markRead(core::PhoneMirror::Part::Phonebook);
  return {};
}

int AtSession::freeIndex() const {
  std::set<int> used;
  for (const auto &[slot, indexes] : slotIndexes_) {
    used.insert(indexes.begin(), indexes.end());
  }
  for (int index = memory_.range.first; index <= memory_.range.last; ++index) {
    if (!used.contains(index)) {
      return index;
    }
  }
  return -1;
}

AtResult AtSession::deleteAll(const std::vector<int> &indexes) {
  for (const int index : indexes) {
    if (const AtResult result = phone_.deleteEntry(index); !result.ok()) {
      return result;
    }
  }
  return {};
}

AtResult AtSession::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  if (slot < 0 || slot >= core::kPhoneSlots) {
    return {AtStatus::Refused};
  }
  at::PhoneContacts contacts = at::contactsForPhone(entry, memory_.range.nameLength);
  notes_ = std::move(contacts.notes);
  const std::vector<int> former = phoneIndexes(slot);
  std::vector<int> written;
  for (at::AtContact &contact : contacts.contacts) {
    contact.index = freeIndex();
    AtResult result = contact.index < 0 ? AtResult{AtStatus::Refused} : phone_.writeEntry(contact);
    if (!result.ok()) {
      (void)deleteAll(written); // the slot keeps its former entries
      slotIndexes_[slot] = former;
      return result;
    }
    written.push_back(contact.index);
    slotIndexes_[slot].push_back(contact.index); // taken for the next free index
  }
  slotIndexes_[slot] = written;
  return deleteAll(former);
}

std::vector<int> AtSession::messageIndexes(int slot) const {
  const auto found = messages_.find(slot);
  return found == messages_.end() ? std::vector<int>{} : found->second.indexes;
}

std::string AtSession::wholeText(int slot) const {
  const auto found = messages_.find(slot);
  return found == messages_.end() ? std::string() : found->second.text;
}

void AtSession::fileMessage(const at::JoinedSms &joined, int &received, int &stored) {
  const bool inStore = joined.status >= 2;
  int &count = inStore ? stored : received;
  if (count >= kAtBoxSlots) {
    return;
  }
  const int slot = inStore ? kSavedBit | (count + 1) : count;
  ++count;
  mirror_.addMessage(recordOf(joined, slot));
  messages_[slot] = {joined.indexes, joined.pdu.text};
}

AtResult AtSession::readMessages(std::string_view storage) {
  at::StorageUse use;
  std::vector<at::StoredSms> stored;
  AtResult result = phone_.selectMessageStorage(storage, use);
  result = result.ok() ? phone_.listMessages(stored) : result;
  if (!result.ok()) {
    return result;
  }
  mirror_.beginRead(core::PhoneMirror::Part::Messages);
  messages_.clear();
  int received = 0;
  int kept = 0;
  for (const at::JoinedSms &joined : at::joinParts(stored)) {
    fileMessage(joined, received, kept);
  }
  mirror_.markRead(core::PhoneMirror::Part::Messages);
  return {};
}

std::string AtSession::textOf(const core::SmsMessage &message) const {
  const std::string whole = wholeText(message.slot);
  return !whole.empty() && recordText(whole) == message.text.view() ? whole : message.text.utf8();
}

AtResult AtSession::storeParts(const core::SmsMessage &message, std::vector<int> &indexes) {
  const auto pdus = at::submitPdus(at::addressForModem(message.number.utf8()), textOf(message), ++reference_);
  if (!pdus) {
    return {AtStatus::Refused};
  }
  for (const at::EncodedPdu &pdu : *pdus) {
    int index = 0;
    if (const AtResult result = phone_.storeMessage(pdu, index); !result.ok()) {
      return result;
    }
    indexes.push_back(index);
  }
  return {};
}

AtResult AtSession::storeMessage(const core::SmsMessage &message) {
  const std::vector<int> former = messageIndexes(message.slot);
  if (!message.inSavedBox()) {
    // Reading a received message out marks it read on the phone.
    at::StoredSms ignored;
    return former.empty() ? AtResult{AtStatus::Refused} : phone_.readMessage(former.front(), ignored);
  }
  std::vector<int> indexes;
  const std::string text = textOf(message);
  if (const AtResult result = storeParts(message, indexes); !result.ok()) {
    for (const int index : indexes) {
      (void)phone_.deleteMessage(index);
    }
    return result;
  }
  messages_[message.slot] = {indexes, text};
  for (const int index : former) {
    if (const AtResult result = phone_.deleteMessage(index); !result.ok()) {
      return result;
    }
  }
  return {};
}

AtResult AtSession::eraseMessage(const core::SmsMessage &message) {
  for (const int index : messageIndexes(message.slot)) {
    if (const AtResult result = phone_.deleteMessage(index); !result.ok()) {
      return result;
    }
  }
  messages_.erase(message.slot);
  return {};
}

AtResult AtSession::sendText(std::string_view recipient, std::string_view utf8) {
  std::vector<int> references;
  return phone_.sendText(recipient, utf8, references);
}

} // namespace pdx::pelodex
