#include "simulator/state_json.h"

#include "core/base/atomic_file.h"
#include "core/base/input_file.h"
#include "link/wire/phonebook_wire.h"

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

Bytes fromHex(const std::string &hex) {
  Bytes bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
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
  for (size_t i = 0; i < N && i < in.size(); ++i) {
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

Bytes entryFromJson(const json &in) {
  core::PhoneBookEntry e;
  e.group = in.value("group", 0);
  e.name.set(text::fromUtf8(in.value("name", "")));
  const json numbers = in.value("numbers", json::array());
  for (size_t n = 0; n < e.numbers.size() && n < numbers.size(); ++n) {
    e.numbers[n].set(text::fromUtf8(numbers[n].get<std::string>()));
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
      next.phonebook[static_cast<size_t>(slot)] = entryFromJson(entry);
    }
    next.groups = link::wire::padded(fromHex(in.value("groups", "")), next.groups.size());
    next.speedDials = fromHex(in.value("speed_dials", toHex(next.speedDials)));
    next.speedDials.resize(198, 0xFF);
    readHexArray(in.value("received", json::array()), next.received);
    readHexArray(in.value("saved", json::array()), next.saved);
    next.alarms = link::wire::padded(fromHex(in.value("alarms", "")), next.alarms.size());
    next.options = link::wire::padded(fromHex(in.value("options", "")), next.options.size());
    readHexArray(in.value("melodies", json::array()), next.melodies);
    readHexArray(in.value("animations", json::array()), next.animations);
    state = std::move(next);
    return true;
  } catch (const std::exception &e) {
    error = std::string("휴대폰 상태 파일의 형식이 올바르지 않습니다: ") + e.what();
    return false;
  }
}

bool loadState(const std::filesystem::path &path, PhoneState &state, std::string &error) {
  // Far above the largest state (every slot, message and picture filled).
  constexpr uint64_t kMaxStateFileBytes = uint64_t(16) << 20;
  const InputBytes in = readInputFile(path, kMaxStateFileBytes);
  if (in.error != InputError::None) {
    error = "휴대폰 상태 파일을 열 수 없습니다: " + path.string() + " (" + describe(in.error) + ")";
    return false;
  }
  const json document = json::parse(in.bytes.begin(), in.bytes.end(), nullptr, false);
  if (document.is_discarded() || !document.is_object()) {
    error = "휴대폰 상태 파일이 JSON 형식이 아닙니다: " + path.string();
    return false;
  }
  return stateFromJson(document, state, error);
}

bool saveState(const std::filesystem::path &path, const PhoneState &state, std::string &error) {
  const std::string text = stateToJson(state).dump(2) + "\n";
  const auto *bytes = reinterpret_cast<const uint8_t *>(text.data());
  if (writeFileAtomically(path, std::span(bytes, text.size())) != DocResult::Ok) {
    error = "휴대폰 상태 파일을 저장할 수 없습니다: " + path.string();
    return false;
  }
  return true;
}

} // namespace pdx::simulator
