// The lists of the data store. Each list normalises a record when it is
// inserted and keeps the order its records are shown in.
#pragma once

#include "core/data/records.h"

#include <optional>
#include <string_view>
#include <vector>

namespace pdx::core {

// "지정안됨" in code page 949: the group that stands for no group.
std::string_view defaultGroupName();

// A group name as a group record stores it: cut at 12 bytes on a character
// boundary.
std::string_view storedGroupName(std::string_view name);

// Why a group cannot join a table.
enum class GroupRefusal { None, Full, NoName, SameName };
// A Korean sentence for the user (UTF-8); empty for None.
const char *describe(GroupRefusal refusal);

// Groups ordered by name (byte-wise), the default group before every other.
// The table guards its own invariants whoever fills it: at most 20 groups,
// ids 0..19 each used once, no empty names, no two groups whose stored names
// are equal (so the default group exists at most once).
class GroupTable {
public:
  static constexpr int kMaxGroups = 20;

  // Why `group` could not be inserted, the group at position `replacing`
  // left out of the comparison; None when it can.
  GroupRefusal refusal(const PhoneGroup &group, std::optional<size_t> replacing = std::nullopt) const;
  // Inserts a copy, normalised: an id of 20 or more, or one already taken,
  // becomes the first free id; a melody outside 0..51 becomes 0; the name
  // loses a dangling lead byte. Returns the position, or nothing (and the
  // table unchanged) when refusal() refuses it.
  std::optional<size_t> insert(PhoneGroup group);
  void removeAt(size_t index) { groups_.erase(groups_.begin() + static_cast<std::ptrdiff_t>(index)); }
  void clear() { groups_.clear(); }

  // Position of the first group with this id / with the stored form of this
  // name, or -1.
  int findById(int id) const;
  int findByName(std::string_view name) const;
  // Ids 0..19 whose slot holds no group or an empty one; -1 when none.
  int firstFreeId() const { return nextFreeId(-1); }
  int nextFreeId(int after) const;
  // Adds a group under the first free id with melody 0; its id, or -1 when
  // the table refuses it.
  int addGroup(std::string_view name, uint16_t secret);
  // Adds the default group (all fields 0 but the id) when it is missing.
  void ensureDefaultGroup();

  size_t size() const { return groups_.size(); }
  bool empty() const { return groups_.empty(); }
  const PhoneGroup &operator[](size_t i) const { return groups_[i]; }
  auto begin() const { return groups_.begin(); }
  auto end() const { return groups_.end(); }

private:
  bool isFree(int id) const;

  std::vector<PhoneGroup> groups_;
};

// A box of short messages, newest first; equal time stamps keep arrival
// order.
class SmsBox {
public:
  size_t insert(SmsMessage message);
  void removeAt(size_t index) { messages_.erase(messages_.begin() + static_cast<std::ptrdiff_t>(index)); }
  // Replaces a message in place (its time stamp unchanged).
  void replaceAt(size_t index, SmsMessage message);
  void clear() { messages_.clear(); }

  size_t size() const { return messages_.size(); }
  const SmsMessage &operator[](size_t i) const { return messages_[i]; }
  auto begin() const { return messages_.begin(); }
  auto end() const { return messages_.end(); }

private:
  std::vector<SmsMessage> messages_;
};

// A phonebook: the phone's (entry i = slot i) or the PC's (in sort order).
class PhonebookList {
public:
  void append(PhoneBookEntry entry);
  void insertAt(size_t index, PhoneBookEntry entry);
  void replaceAt(size_t index, PhoneBookEntry entry);
  void removeAt(size_t index) { entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index)); }
  void clear() { entries_.clear(); }
  // Fills the list with `count` new entries whose phone slots are 0..count-1.
  void resetSlots(int count);

  // The first empty entry among positions 0..198, or -1.
  int firstEmptyEntry() const;
  // Whether any non-empty entry belongs to group `group`.
  bool anyEntryHasGroup(int group) const;

  size_t size() const { return entries_.size(); }
  const PhoneBookEntry &operator[](size_t i) const { return entries_[i]; }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

private:
  std::vector<PhoneBookEntry> entries_;
};

} // namespace pdx::core
