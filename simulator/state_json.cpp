#include "simulator/state_json.h"

#include "core/base/user_text.h"
#include "link/wire/phonebook_wire.h"
#include "simulator/state_check.h"

namespace pdx::simulator {
namespace {

using nlohmann::json;

std::string toHex(const Bytes &bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (uint8_t b : bytes) {
    hex.push_back(kDigits[b >> 4]);
    hex.push_back(kDigits[b & 0xF]);
  }
  return hex;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  throw std::invalid_argument(text::fill(
      text::translate("pdx::simulator", "16진수가 아닌 글자가 있습니다: %1"), {std::string(1, c)}));
}

Bytes fromHex(const std::string &hex) {
  if (hex.size() % 2 != 0) {
    throw std::invalid_argument(text::translate("pdx::simulator", "16진수의 자릿수가 홀수입니다"));
  }
  Bytes bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(hexDigit(hex[i]) << 4 | hexDigit(hex[i + 1])));
  }
  return bytes;
}

template <size_t N> json hexArray(const std::array<Bytes, N> &records) {
  json out = json::array();
  for (const Bytes &r : records) {
    out.push_back(toHex(r));
  }
  return out;
}

template <size_t N> void readHexArray(const json &in, std::array<Bytes, N> &records) {
  if (!in.is_array() || in.size() > N) {
    throw std::length_error(text::fill(
        text::translate("pdx::simulator", "기록은 %1개까지의 배열이어야 합니다"), {std::to_string(N)}));
  }
  for (size_t i = 0; i < in.size(); ++i) {
    records[i] = fromHex(in[i].get<std::string>());
  }
}

json entryToJson(const Bytes &record) {
  const core::PhoneBookEntry e = link::wire::decodeSlotRecord(record);
  json numbers = json::array();
  for (const auto &n : e.numbers) {
    numbers.push_back(n.utf8());
  }
  return {{"slot", e.phoneSlot}, {"group", e.group}, {"name", e.name.utf8()}, {"numbers", numbers}};
}

// A text field's code page 949 bytes; longer than `size` is a fault.
std::string fieldText(const std::string &utf8, size_t size, const char *field) {
  std::string bytes = text::fromUtf8(utf8);
  if (bytes.size() > size) {
    throw std::length_error(text::fill(text::translate("pdx::simulator", "%1: %2바이트보다 깁니다"),
                                       {field, std::to_string(size)}));
  }
  return bytes;
}

Bytes entryFromJson(const json &in) {
  core::PhoneBookEntry e;
  const int group = in.value("group", 0);
  if (group < 0 || group > 19) {
    throw std::out_of_range("phonebook: " + text::translate("pdx::simulator", "그룹 번호는 0~19여야 합니다"));
  }
  e.group = static_cast<uint16_t>(group);
  e.name.set(fieldText(in.value("name", ""), 16, "phonebook: name"));
  const json numbers = in.value("numbers", json::array());
  for (size_t n = 0; n < e.numbers.size() && n < numbers.size(); ++n) {
    e.numbers[n].set(fieldText(numbers[n].get<std::string>(), 32, "phonebook: numbers"));
  }
  return link::wire::encodeSlotRecord(e, static_cast<uint8_t>(in.at("slot").get<int>()));
}

} // namespace

json stateToJson(const PhoneState &state) {
  json phonebook = json::array();
  for (const Bytes &record : state.phonebook) {
    if (!record.empty()) {
      phonebook.push_back(entryToJson(record));
    }
  }
  return {{"password", state.password},
          {"info", text::toUtf8(state.info)},
          {"phonebook", phonebook},
          {"groups", toHex(state.groups)},
          {"speed_dials", toHex(state.speedDials)},
          {"received", hexArray(state.received)},
          {"saved", hexArray(state.saved)},
          {"alarms", toHex(state.alarms)},
          {"options", toHex(state.options)},
          {"melodies", hexArray(state.melodies)},
          {"animations", hexArray(state.animations)}};
}

bool stateFromJson(const json &in, PhoneState &state, std::string &error) {
  try {
    PhoneState next;
    next.password = in.value("password", next.password);
    next.info = text::fromUtf8(in.value("info", ""));
    for (const json &entry : in.value("phonebook", json::array())) {
      const int slot = entry.at("slot").get<int>();
      if (slot < 0 || slot >= static_cast<int>(PhoneState::kSlots)) {
        throw std::out_of_range("slot");
      }
      if (!next.phonebook[static_cast<size_t>(slot)].empty()) {
        throw std::invalid_argument(
            "phonebook: " + text::fill(text::translate("pdx::simulator", "슬롯 %1이(가) 두 번 나옵니다"),
                                       {std::to_string(slot)}));
      }
      next.phonebook[static_cast<size_t>(slot)] = entryFromJson(entry);
    }
    next.groups = link::wire::padded(fromHex(in.value("groups", "")), next.groups.size());
    next.speedDials = fromHex(in.value("speed_dials", toHex(next.speedDials)));
    if (next.speedDials.size() < 198) {
      next.speedDials.resize(198, 0xFF);
    }
    readHexArray(in.value("received", json::array()), next.received);
    readHexArray(in.value("saved", json::array()), next.saved);
    next.alarms = link::wire::padded(fromHex(in.value("alarms", "")), next.alarms.size());
    next.options = link::wire::padded(fromHex(in.value("options", "")), next.options.size());
    readHexArray(in.value("melodies", json::array()), next.melodies);
    readHexArray(in.value("animations", json::array()), next.animations);
    if (const std::string fault = stateFault(next); !fault.empty()) {
      throw std::invalid_argument(fault);
    }
    state = std::move(next);
    return true;
  } catch (const std::exception &e) {
    error = stateFormatError(e.what());
    return false;
  }
}

StateLoad loadState(const std::filesystem::path &path, PhoneState &state, std::string &error) {
  StateLoad status = StateLoad::Loaded;
  const std::optional<json> document = readStateFile(path, status, error);
  if (!document) {
    return status;
  }
  return stateFromJson(*document, state, error) ? StateLoad::Loaded : StateLoad::Invalid;
}

bool saveState(const std::filesystem::path &path, const PhoneState &state, std::string &error) {
  return writeStateFile(path, stateToJson(state), error);
}

} // namespace pdx::simulator
