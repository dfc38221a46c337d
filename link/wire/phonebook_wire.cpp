#include "link/wire/phonebook_wire.h"

#include "core/base/cp949.h"

namespace pdx::link::wire {
namespace {

constexpr size_t kNameOffset = 3;
constexpr size_t kNumbersOffset = 20;
constexpr size_t kNumberWidth = 32;
constexpr uint16_t kFirstUnusedValue = 800;

} // namespace

uint8_t slotFlags(const core::PhoneBookEntry &entry) {
  uint8_t flags = entry.isEmpty() ? 0 : 1;
  for (size_t n = 0; n < core::kNumberKinds; ++n) {
    if (!entry.numbers[n].empty()) {
      flags |= static_cast<uint8_t>(1 << (n + 1));
    }
  }
  return flags;
}

Bytes encodeSlotRecord(const core::PhoneBookEntry &entry, uint8_t slot) {
  Bytes out(kSlotRecordSize, 0);
  out[0] = slot;
  out[1] = static_cast<uint8_t>(entry.group);
  out[2] = slotFlags(entry);
  putText(out, kNameOffset, entry.name.view(), 16);
  for (size_t n = 0; n < core::kNumberKinds; ++n) {
    putText(out, kNumbersOffset + n * kNumberWidth, entry.numbers[n].view(), kNumberWidth);
  }
  return out;
}

core::PhoneBookEntry decodeSlotRecord(std::span<const uint8_t> record) {
  const Bytes in = padded(record, kSlotRecordSize);
  core::PhoneBookEntry entry;
  entry.phoneSlot = in[0];
  entry.group = in[1];
  entry.flags = in[2];
  entry.phoneState = core::kStoredOnPhone;
  entry.name.set(getText(in, kNameOffset, 16));
  for (size_t n = 0; n < core::kNumberKinds; ++n) {
    if ((in[2] & (1 << (n + 1))) != 0) {
      entry.numbers[n].set(getText(in, kNumbersOffset + n * kNumberWidth, kNumberWidth));
    }
  }
  return entry;
}

void putGroup(std::span<uint8_t> table, size_t id, const core::PhoneGroup &group) {
  const auto record = table.subspan(id * kGroupRecordSize, kGroupRecordSize);
  std::fill(record.begin(), record.end(), 0);
  const std::string_view name = group.name.view();
  putText(record, 0, name.substr(0, text::cutWhole(name, 12)), 12);
  record[15] = group.melody == 0 ? 255 : static_cast<uint8_t>(group.melody - 1);
  record[16] = static_cast<uint8_t>(group.secret & 0xFF);
}

Bytes encodeGroupTable(const core::GroupTable &groups) {
  Bytes out(kGroupTableSize, 0);
  for (const core::PhoneGroup &group : groups) {
    if (group.id < core::GroupTable::kMaxGroups) {
      putGroup(out, group.id, group);
    }
  }
  return out;
}

core::GroupTable decodeGroupTable(std::span<const uint8_t> table) {
  const Bytes in = padded(table, kGroupTableSize);
  core::GroupTable groups;
  for (uint16_t id = 0; id < core::GroupTable::kMaxGroups; ++id) {
    const auto record = std::span<const uint8_t>(in).subspan(id * kGroupRecordSize, kGroupRecordSize);
    core::PhoneGroup group;
    group.id = id;
    group.melody = record[15] == 255 ? 0 : static_cast<uint16_t>(record[15] + 1);
    group.secret = record[16];
    group.name.set(getText(record, 0, 12));
    if (!group.isEmpty()) {
      (void)groups.insert(group);
    }
  }
  return groups;
}

uint16_t speedDialValue(const core::SpeedDialKey &key) {
  return key.isUnused() ? kUnusedKey : static_cast<uint16_t>(key.slot * 4 + key.kind);
}

Bytes encodeSpeedDials(const core::SpeedDialTable &table) {
  Bytes out(kSpeedDialSize, 0);
  for (size_t k = 0; k < table.size(); ++k) {
    putU16(out, k * 2, speedDialValue(table[k]));
  }
  return out;
}

core::SpeedDialTable decodeSpeedDials(std::span<const uint8_t> table) {
  const Bytes in = padded(table, kSpeedDialSize);
  core::SpeedDialTable keys{};
  for (size_t k = 0; k < keys.size(); ++k) {
    const uint16_t value = getU16(in, k * 2);
    if (value < kFirstUnusedValue) {
      keys[k] = core::SpeedDialKey{value / 4, value % 4};
    }
  }
  return keys;
}

} // namespace pdx::link::wire
