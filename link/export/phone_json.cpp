#include "link/export/phone_json.h"

#include "core/data/phonebook_export.h"

#include <cstdio>

namespace pdx::link {
namespace {

using nlohmann::json;

constexpr const char *kNumberKeys[] = {"home", "office", "mobile", "pager"};
constexpr const char *kVCardTypes[] = {"HOME", "WORK", "CELL", "PAGER"};

std::string stamp(int year, int month, int day, int hour, int minute, const int *second) {
  char text[32];
  if (second != nullptr) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", year, month, day, hour, minute,
                  *second);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", year, month, day, hour, minute);
  }
  return text;
}

json messageJson(const core::SmsMessage &m) {
  const int second = m.second;
  return {{"slot", m.slot},
          {"status", m.readState | m.attributes},
          {"kind", m.kind},
          {"time", stamp(m.year, m.month, m.day, m.hour, m.minute, &second)},
          {"number", m.number.utf8()},
          {"text", m.text.utf8()}};
}

} // namespace

json phonebookJson(const core::CDataStore &store) {
  json entries = json::array();
  for (const core::PhoneBookEntry &e : store.phonePhonebook) {
    if (e.isEmpty()) {
      continue;
    }
    json entry = {{"slot", e.phoneSlot}, {"group", e.group}, {"name", e.name.utf8()}};
    for (size_t n = 0; n < core::kNumberKinds; ++n) {
      entry[kNumberKeys[n]] = e.numbers[n].utf8();
    }
    entries.push_back(entry);
  }
  json groups = json::array();
  for (const core::PhoneGroup &g : store.phoneGroups) {
    groups.push_back({{"id", g.id}, {"name", g.name.utf8()}, {"secret", g.secret}, {"melody", g.melody}});
  }
  json keys = json::array();
  for (size_t k = 0; k < store.phoneSpeedDials.size(); ++k) {
    const core::SpeedDialKey &key = store.phoneSpeedDials[k];
    if (!key.isUnused()) {
      keys.push_back({{"key", k + 1}, {"slot", key.slot}, {"kind", key.kind}});
    }
  }
  return {{"entries", entries}, {"groups", groups}, {"speed_dials", keys}};
}

json smsJson(const core::CDataStore &store) {
  const auto box = [](const core::SmsBox &messages) {
    json out = json::array();
    for (const auto &m : messages) {
      json message = messageJson(m);
      message["index"] = out.size() + 1;
      out.push_back(std::move(message));
    }
    return out;
  };
  return {{"received", box(store.receivedSms)}, {"saved", box(store.savedSms)}};
}

json alarmsJson(const core::CDataStore &store) {
  json alarms = json::array();
  for (const core::AlarmEntry &a : store.alarms) {
    alarms.push_back({{"slot", a.slot},
                      {"time", stamp(a.year, a.month, a.day, a.hour, a.minute, nullptr)},
                      {"weekday", a.weekday},
                      {"repeat", a.repeat},
                      {"title", a.title.utf8()}});
  }
  return {{"alarms", alarms}};
}

std::string phonebookVCards(const core::CDataStore &store) {
  std::string out;
  for (const core::PhoneBookEntry &e : store.phonePhonebook) {
    if (e.isEmpty()) {
      continue;
    }
    const std::string name = core::vcardText(e.name.utf8());
    out += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + name + ";;;;\r\nFN:" + name + "\r\n";
    for (size_t n = 0; n < core::kNumberKinds; ++n) {
      if (!e.numbers[n].empty()) {
        out +=
            std::string("TEL;TYPE=") + kVCardTypes[n] + ":" + core::vcardText(e.numbers[n].utf8()) + "\r\n";
      }
    }
    out += "END:VCARD\r\n";
  }
  return out;
}

std::string phonebookCsv(const core::CDataStore &store) {
  std::string out = "slot,group,name,home,office,mobile,pager\r\n";
  for (const core::PhoneBookEntry &e : store.phonePhonebook) {
    if (e.isEmpty()) {
      continue;
    }
    out += std::to_string(e.phoneSlot) + "," + std::to_string(e.group) + "," + core::csvField(e.name.utf8());
    for (const auto &number : e.numbers) {
      out += "," + core::csvField(number.utf8());
    }
    out += "\r\n";
  }
  return out;
}

} // namespace pdx::link
