#include "core/base/cp949.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"
#include "link/wire/sms_wire.h"
#include "simulator/phone_model.h"

#include <cstdio>

namespace pdx::simulator {

namespace wire = link::wire;
namespace {

constexpr const char *kSurnames[] = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임"};
constexpr const char *kGivenNames[] = {"민준", "서연", "지훈", "수빈", "현우", "지은", "도윤",
                                       "하은", "준호", "유진", "성민", "은지", "태희", "동현",
                                       "미경", "영수", "정희", "상철", "혜진", "재원"};
constexpr const char *kGroupNames[] = {"지정안됨", "가족", "친구", "회사", "학교"};
constexpr const char *kMobilePrefixes[] = {"011", "016", "017", "018", "019"};

std::string number(const char *prefix, int a, int b) {
  char text[40];
  std::snprintf(text, sizeof text, "%s-%03d-%04d", prefix, a % 1000, b % 10000);
  return text;
}

core::PhoneBookEntry entry(int i) {
  core::PhoneBookEntry e;
  e.group = static_cast<uint16_t>(i % 5);
  e.name.set(text::fromUtf8(std::string(kSurnames[i % 10]) + kGivenNames[(i / 10) % 20]));
  if (i % 3 == 0) {
    e.numbers[0].set(number("02", 300 + i, 1000 + i * 37));
  }
  if (i % 4 == 1) {
    e.numbers[1].set(number("031", 500 + i, 2000 + i * 53));
  }
  e.numbers[2].set(number(kMobilePrefixes[i % 5], 200 + i, 3000 + i * 71));
  if (i % 10 == 7) {
    e.numbers[3].set(number("012", 100 + i, 4000 + i));
  }
  return e;
}

Bytes sms(uint8_t slot, uint8_t status, int day, int hour, const char *from, const char *body) {
  core::SmsMessage m;
  m.slot = slot;
  m.readState = status;
  m.year = 1999;
  m.month = 3;
  m.day = static_cast<uint8_t>(day);
  m.hour = static_cast<uint8_t>(hour);
  m.minute = 30;
  m.number.set(from);
  m.text.set(text::fromUtf8(body));
  return wire::encodeSmsRecord(m, wire::SmsOperation::Erase);
}

void addAlarm(PhoneState &state, size_t position, int month, int day, int hour, uint16_t repeat,
              const char *title) {
  core::AlarmEntry a;
  a.year = 1999;
  a.month = static_cast<uint8_t>(month);
  a.day = static_cast<uint8_t>(day);
  a.hour = static_cast<uint8_t>(hour);
  a.repeat = repeat;
  a.title.setWhole(text::fromUtf8(title));
  // 1999-01-01 00:00 UTC: the year the samples are set in.
  wire::putAlarm(state.alarms, position, a, 915148800);
}

} // namespace

PhoneState sampleState() {
  PhoneState state;
  state.info = "011-234-5678";
  for (int i = 0; i < static_cast<int>(PhoneState::kSlots); ++i) {
    state.phonebook[static_cast<size_t>(i)] = wire::encodeSlotRecord(entry(i), static_cast<uint8_t>(i));
  }
  core::GroupTable groups;
  for (uint16_t id = 0; id < std::size(kGroupNames); ++id) {
    core::PhoneGroup g;
    g.id = id;
    g.melody = id == 0 ? 0 : static_cast<uint16_t>(id + 3);
    g.secret = id == 1 ? 1 : 0;
    g.name.setWhole(text::fromUtf8(kGroupNames[id]));
    (void)groups.insert(g);
  }
  state.groups = wire::encodeGroupTable(groups);
  for (int key = 0; key < 9; ++key) {
    wire::putU16(state.speedDials, static_cast<size_t>(key) * 2, static_cast<uint16_t>(key * 4 * 4 + 2));
  }
  state.received[0] = sms(0, 1, 2, 9, "0112345678", "오늘 회의는 오후 3시로 변경되었습니다.");
  state.received[1] = sms(1, 0, 1, 18, "0169876543", "저녁 같이 먹을래?");
  state.received[4] = sms(4, 1, 27, 12, "0195550000", "생일 축하해!");
  state.saved[0] = sms(0x80, 0, 2, 10, "0112345678", "네, 알겠습니다.");
  state.saved[1] = sms(0x81, 0, 28, 21, "", "내일 아침 8시에 출발");
  addAlarm(state, 0, 3, 15, 7, core::kDaily, "기상");
  addAlarm(state, 1, 4, 5, 14, core::kOnce, "식목일 행사");
  addAlarm(state, 2, 3, 20, 9, core::kMonthly, "월례 회의");
  core::PhoneOptions options;
  options.password.set(state.password);
  options.number3.set("010");
  state.options = wire::encodeOptions(options);
  return state;
}

} // namespace pdx::simulator
