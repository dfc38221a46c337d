#include "features/sms/sms_format.h"

#include "core/base/cp949.h"
#include "core/base/date_text.h"
#include "core/base/user_text.h"

#include <cstdio>

namespace pdx::features {

namespace {

std::string utf8(const auto &field) {
  return text::toUtf8(field.view());
}

int twelveHour(int hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

char halfDay(int hour) {
  return hour < 12 ? 'a' : 'p';
}

// The message's date and time with the hour given after 오전/오후.
std::string spokenTime(const core::SmsMessage &m, int hour) {
  return text::dateTimeText({m.year, m.month, m.day, m.hour, m.minute}, hour);
}

std::string sender(const core::SmsMessage &m) {
  return text::fill(text::translate("pdx::sms", "발신번호 : %1"), {utf8(m.number)});
}

std::string receivedAt(const core::SmsMessage &m, int hour) {
  return text::fill(text::translate("pdx::sms", "수신시간 : %1"), {spokenTime(m, hour)});
}

std::string storedAt(const core::SmsMessage &m, int hour) {
  return text::fill(text::translate("pdx::sms", "저장시간 : %1"), {spokenTime(m, hour)});
}

} // namespace

int smsIconCode(const core::SmsMessage &m) {
  if ((m.attributes & 0x04) != 0) {
    return 15;
  }
  if ((m.attributes & 0x02) != 0) {
    return 14;
  }
  return m.readState != 0 ? 12 : 11;
}

std::string receivedRow(int position, const core::SmsMessage &m) {
  char head[16];
  std::snprintf(head, sizeof head, "%d\t", position);
  char time[48];
  std::snprintf(time, sizeof time, "\t%d-%02d %d:%02d%c\t", m.month, m.day, twelveHour(m.hour), m.minute,
                halfDay(m.hour));
  std::string row = head;
  row.push_back('\xFF');
  row.push_back(static_cast<char>(smsIconCode(m)));
  row.push_back('\t');
  row.append(m.number.view()).append(time).append(m.text.view());
  return row;
}

std::string savedRow(int position, const core::SmsMessage &m) {
  char head[64];
  std::snprintf(head, sizeof head, "%d\t%2d-%02d %d:%02d%c\t", position, m.month, m.day, twelveHour(m.hour),
                m.minute, halfDay(m.hour));
  return std::string(head).append(m.text.view());
}

std::string receivedPane(const core::SmsMessage &m, std::string_view text) {
  return sender(m) + "\n" + receivedAt(m, twelveHour(m.hour)) + "\n" + std::string(text);
}

std::string savedPane(const core::SmsMessage &m, std::string_view text) {
  return storedAt(m, twelveHour(m.hour)) + "\n" + std::string(text);
}

std::vector<std::string> printedHeading(const core::SmsMessage &m, bool received) {
  if (received) {
    return {text::fromUtf8(sender(m)), text::fromUtf8(receivedAt(m, m.hour))};
  }
  return {text::fromUtf8(storedAt(m, m.hour))};
}

} // namespace pdx::features
