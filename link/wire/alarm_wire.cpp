#include "link/wire/alarm_wire.h"

#include "core/base/cp949.h"
#include "core/calendar/gregorian.h"
#include "core/data/alarm_list.h"

namespace pdx::link::wire {
namespace {

constexpr int64_t kKoreaOffset = 9 * 3600;
// The phone's time values are shifted from UTC by these amounts.
constexpr int64_t kSendShift = 10800;
constexpr int64_t kReceiveShift = 21600;
constexpr int64_t kDaySeconds = 86400;

int64_t floorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days of (year, month, day), months outside 1..12 carried into the year.
int64_t daysOf(int year, int month, int day) {
  const int index = month - 1;
  const int carry = static_cast<int>(floorDiv(index, 12));
  return calendar::daysSinceEpoch(year + carry, index - carry * 12 + 1, 1) + day - 1;
}

// Years whose every date the phone's 32-bit time value can carry.
bool valueHoldsYear(int year) {
  return year > 1970 && year < 2106;
}

uint8_t repeatBits(uint16_t repeat) {
  return repeat >= core::kOnce && repeat <= core::kMonthly ? static_cast<uint8_t>(repeat - core::kOnce) : 0;
}

} // namespace

uint32_t alarmSeconds(const core::AlarmEntry &alarm, int64_t nowUtc) {
  const int year =
      valueHoldsYear(alarm.year) ? alarm.year : calendar::dateAt(floorDiv(nowUtc, kDaySeconds)).year;
  const int64_t secondOfMinute = ((nowUtc % 60) + 60) % 60;
  int day = alarm.day;
  if (alarm.repeat == core::kWeekly) {
    const int first = calendar::weekdayOf(year, alarm.month, 1);
    day = 1 + (alarm.weekday - first + 7) % 7;
  }
  const int64_t local =
      daysOf(year, alarm.month, day) * kDaySeconds + alarm.hour * 3600 + alarm.minute * 60 + secondOfMinute;
  return static_cast<uint32_t>(local - kKoreaOffset + kSendShift);
}

void applyAlarmSeconds(uint32_t seconds, core::AlarmEntry &alarm) {
  const int64_t value = static_cast<int64_t>(seconds) + kReceiveShift;
  const int64_t days = floorDiv(value, kDaySeconds);
  const int64_t ofDay = value - days * kDaySeconds;
  const calendar::Date date = calendar::dateAt(days);
  alarm.year = static_cast<uint16_t>(date.year);
  alarm.month = static_cast<uint8_t>(date.month);
  alarm.day = static_cast<uint8_t>(date.day);
  alarm.hour = static_cast<uint8_t>(ofDay / 3600);
  alarm.minute = static_cast<uint8_t>(ofDay % 3600 / 60);
  alarm.weekday = static_cast<uint8_t>(calendar::weekdayOf(date.year, date.month, date.day));
}

void putAlarm(std::span<uint8_t> table, size_t position, const core::AlarmEntry &alarm, int64_t nowUtc) {
  const auto record = table.subspan(position * kAlarmRecordSize, kAlarmRecordSize);
  std::fill(record.begin(), record.end(), 0);
  const std::string_view title = alarm.title.view();
  putText(record, 0, title.substr(0, text::cutWhole(title, 12)), 12);
  record[17] = static_cast<uint8_t>(1 | repeatBits(alarm.repeat) << 1);
  putU32(record, 18, alarmSeconds(alarm, nowUtc));
}

bool alarmIsSet(std::span<const uint8_t> record) {
  return record.size() > 17 && (record[17] & 1) != 0;
}

core::AlarmEntry decodeAlarm(std::span<const uint8_t> record, uint16_t position) {
  const Bytes in = padded(record, kAlarmRecordSize);
  core::AlarmEntry alarm;
  alarm.slot = position;
  alarm.title.set(getText(in, 0, 12));
  const int repeat = (in[17] >> 1) & 7;
  alarm.repeat =
      repeat <= 3 ? static_cast<uint16_t>(core::kOnce + repeat) : static_cast<uint16_t>(core::kOnce);
  applyAlarmSeconds(getU32(in, 18), alarm);
  return alarm;
}

} // namespace pdx::link::wire
