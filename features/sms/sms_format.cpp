#include "features/sms/sms_format.h"

#include "core/base/cp949.h"

#include <cstdio>

namespace pdx::features {

namespace {

int twelveHour(int hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

char halfDay(int hour) {
  return hour < 12 ? 'a' : 'p';
}

const char *halfDayWord(int hour) {
  return hour < 12 ? "오전" : "오후";
}

// "%d년 %d월 %d일 오전 %d시 %d분" with the hour given.
std::string spokenTime(const core::SmsMessage &m, int hour) {
  char out[96];
  std::snprintf(out, sizeof out, "%d년 %d월 %d일 %s %d시 %d분", m.year, m.month, m.day, halfDayWord(m.hour),
                hour, m.minute);
  return out;
}

std::string utf8(const auto &field) {
  return text::toUtf8(field.view());
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
  return "발신번호 : " + utf8(m.number) + "\n수신시간 : " + spokenTime(m, twelveHour(m.hour)) + "\n" +
         std::string(text);
}

std::string savedPane(const core::SmsMessage &m, std::string_view text) {
  return "저장시간 : " + spokenTime(m, twelveHour(m.hour)) + "\n" + std::string(text);
}

std::vector<std::string> printedHeading(const core::SmsMessage &m, bool received) {
  if (received) {
    return {text::fromUtf8("발신번호 : ") + std::string(m.number.view()),
            text::fromUtf8("수신시간 : " + spokenTime(m, m.hour))};
  }
  return {text::fromUtf8("저장시간 : " + spokenTime(m, m.hour))};
}

} // namespace pdx::features
