#include "core/data/samples.h"

namespace pdx::core {

namespace {

using text::fromUtf8;

SmsMessage sms(uint16_t slot, int month, int day, int hour, int minute, const char *number,
               const char *body) {
  SmsMessage m;
  m.slot = slot;
  m.year = 1999;
  m.month = static_cast<uint8_t>(month);
  m.day = static_cast<uint8_t>(day);
  m.hour = static_cast<uint8_t>(hour);
  m.minute = static_cast<uint8_t>(minute);
  m.number.set(number);
  m.text.set(fromUtf8(body));
  return m;
}

struct SampleEntry {
  int slot;
  int group;
  const char *name;
  std::array<const char *, kNumberKinds> numbers;
};

constexpr SampleEntry kEntries[] = {
    {0, 1, "김철수", {"02-555-1234", "02-3456-7890", "011-234-5678", ""}},
    {1, 1, "이영희", {"031-222-3333", "", "016-987-6543", ""}},
    {2, 2, "박민수", {"", "02-777-8888", "019-555-0000", "012-345-6789"}},
    {3, 3, "최지은", {"051-123-4567", "", "", ""}},
    {5, 0, "정수진", {"", "", "017-111-2222", ""}},
    {7, 2, "한국전자 영업부", {"", "02-2100-3000", "", ""}},
};

constexpr const char *kGroups[] = {"지정안됨", "가족", "회사", "친구"};

} // namespace

void fillSampleSms(CDataStore &store) {
  store.receivedSms.clear();
  store.savedSms.clear();
  store.addPhoneSms(sms(0, 3, 2, 9, 15, "0112345678", "오늘 회의는 오후 3시로 변경되었습니다."));
  store.addPhoneSms(sms(1, 3, 1, 18, 40, "0169876543", "저녁 같이 먹을래?"));
  store.addPhoneSms(sms(2, 2, 27, 12, 5, "0195550000", "생일 축하해!"));
  store.addPhoneSms(sms(0x80, 3, 2, 10, 0, "0112345678", "네, 알겠습니다."));
  store.addPhoneSms(sms(0x81, 2, 28, 21, 30, "", "내일 아침 8시에 출발"));
  store.read.receivedBox = true;
  store.read.savedBox = true;
}

void fillSamplePhonebook(CDataStore &store) {
  store.beginPhonebookRead();
  for (uint16_t id = 0; id < std::size(kGroups); ++id) {
    PhoneGroup group;
    group.id = id;
    group.melody = id == 0 ? 0 : static_cast<uint16_t>(id + 10);
    group.name.setWhole(fromUtf8(kGroups[id]));
    store.phoneGroups.insert(group);
  }
  for (const SampleEntry &sample : kEntries) {
    PhoneBookEntry entry;
    entry.group = static_cast<uint16_t>(sample.group);
    entry.name.set(fromUtf8(sample.name));
    entry.flags = 1;
    for (size_t k = 0; k < kNumberKinds; ++k) {
      entry.numbers[k].set(sample.numbers[k]);
      if (!entry.numbers[k].empty()) {
        entry.flags = static_cast<uint16_t>(entry.flags | (2u << k));
      }
    }
    entry.phoneSlot = static_cast<uint16_t>(sample.slot);
    entry.phoneState = kStoredOnPhone;
    store.phonePhonebook.replaceAt(static_cast<size_t>(sample.slot), entry);
  }
  store.phoneSpeedDials = SpeedDialTable();
  store.phoneSpeedDials[0] = SpeedDialKey{0, 2};
  store.phoneSpeedDials[1] = SpeedDialKey{1, 0};
  store.phoneSpeedDials[4] = SpeedDialKey{2, 1};
  store.read.phonebook = true;
}

void fillSampleAlarms(CDataStore &store, const CivilTime &now) {
  store.alarms.clear();
  const auto add = [&](uint16_t repeat, int hour, int minute, int weekday, const char *title) {
    AlarmEntry a;
    a.slot = static_cast<uint16_t>(store.alarms.size());
    a.year = static_cast<uint16_t>(now.year);
    a.month = static_cast<uint8_t>(now.month);
    a.day = static_cast<uint8_t>(now.day);
    a.hour = static_cast<uint8_t>(hour);
    a.minute = static_cast<uint8_t>(minute);
    a.weekday = static_cast<uint8_t>(weekday);
    a.repeat = repeat;
    a.title.setWhole(fromUtf8(title));
    store.alarms.insert(a, now);
  };
  add(kDaily, 7, 0, 0, "기상");
  add(kWeekly, 9, 30, 1, "주간회의");
  add(kMonthly, 12, 0, 0, "월급날");
  store.read.alarms = true;
}

void fillSampleOptions(CDataStore &store) {
  store.options = PhoneOptions();
  store.options.head[1] = 1;
  store.options.head[3] = 2;
  store.options.password.set("0000");
  store.options.text.set(fromUtf8("나의 휴대폰"));
  store.read.options = true;
}

} // namespace pdx::core
