// The 22-byte alarm record and the 220-byte table of ten. The phone counts
// alarm times in seconds in its own way; the conversion uses the phone's
// zone, Korean time (UTC+9), whatever zone the computer is set to.
#pragma once

#include "core/data/records.h"
#include "link/wire/wire_io.h"

#include <cstdint>

namespace pdx::link::wire {

inline constexpr size_t kAlarmRecordSize = 22;
inline constexpr size_t kAlarmCount = 10;
inline constexpr size_t kAlarmTableSize = kAlarmRecordSize * kAlarmCount;

// The phone's time value of an alarm, at its own date. `nowUtc` (seconds
// since 1970 UTC) supplies the seconds, and the year when the alarm's own
// cannot be carried (none, or outside 1971..2105); a weekly alarm's day
// becomes the first date of its month that falls on its weekday.
uint32_t alarmSeconds(const core::AlarmEntry &alarm, int64_t nowUtc);
// Year, month, day, hour, minute and weekday of a phone time value.
void applyAlarmSeconds(uint32_t seconds, core::AlarmEntry &alarm);

void putAlarm(std::span<uint8_t> table, size_t position, const core::AlarmEntry &alarm, int64_t nowUtc);
// The alarm of a record whose bit 0 is set, with slot = `position`.
core::AlarmEntry decodeAlarm(std::span<const uint8_t> record, uint16_t position);
bool alarmIsSet(std::span<const uint8_t> record);

} // namespace pdx::link::wire
