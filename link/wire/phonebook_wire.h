// The phonebook's wire forms: the 148-byte slot record, the 340-byte group
// table and the 198-byte speed-dial table.
#pragma once

#include "core/data/lists.h"
#include "link/wire/wire_io.h"

namespace pdx::link::wire {

inline constexpr size_t kSlotRecordSize = 148;
inline constexpr size_t kGroupRecordSize = 17;
inline constexpr size_t kGroupTableSize = 340;
inline constexpr size_t kSpeedDialSize = 198;
inline constexpr uint16_t kUnusedKey = 0xFFFF;

// The slot record of `entry` with byte 0 = `slot`; the flags are recomputed
// from the entry.
Bytes encodeSlotRecord(const core::PhoneBookEntry &entry, uint8_t slot);
// A received slot record: numbers whose flag bit is clear are cleared; the
// entry counts as stored on the phone.
core::PhoneBookEntry decodeSlotRecord(std::span<const uint8_t> record);
// Byte 2 of a slot record for `entry`.
uint8_t slotFlags(const core::PhoneBookEntry &entry);

// All groups written at their ids (ids outside 0..19 skipped).
Bytes encodeGroupTable(const core::GroupTable &groups);
// Writes one group's 17-byte record at its place in a 340-byte table.
void putGroup(std::span<uint8_t> table, size_t id, const core::PhoneGroup &group);
// The groups of a received table whose names are not empty, id = position.
core::GroupTable decodeGroupTable(std::span<const uint8_t> table);

Bytes encodeSpeedDials(const core::SpeedDialTable &table);
uint16_t speedDialValue(const core::SpeedDialKey &key);
// Values of 800 and more are unused keys. Not checked against a phonebook.
core::SpeedDialTable decodeSpeedDials(std::span<const uint8_t> table);

} // namespace pdx::link::wire
