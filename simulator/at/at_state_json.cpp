#include "simulator/at/at_state_json.h"

#include "core/base/user_text.h"
#include "link/at/sms_pdu.h"

#include <algorithm>
#include <stdexcept>

namespace pdx::simulator::at {
namespace {

using nlohmann::json;

constexpr int kMaxBookSize = 1000;
constexpr int kMaxNumberLength = 80;
constexpr int kMaxNameLength = 80;
constexpr size_t kMaxIdentity = 64;

// The first fault of a document, "field: what is wrong".
struct Fault : std::runtime_error {
  Fault(const std::string &where, const std::string &what) : std::runtime_error(where + ": " + what) {}
};

// A value of the wrong JSON kind at `where`.
Fault wrongKind(const std::string &where) {
  return Fault(where, text::translate("pdx::simulator", "값의 종류가 맞지 않습니다"));
}

// The member `key` of `object`; its absence is a fault unless `optional`.
const json *member(const json &object, const std::string &where, const char *key, bool optional) {
  const auto it = object.find(key);
  if (it == object.end() && !optional) {
    throw Fault(where + key, text::translate("pdx::simulator", "값이 없습니다"));
  }
  return it == object.end() ? nullptr : &*it;
}

int integer(const json &object, const std::string &where, const char *key, std::optional<int> fallback,
            int low, int high) {
  const json *value = member(object, where, key, fallback.has_value());
  if (value == nullptr) {
    return *fallback;
  }
  if (!value->is_number_integer()) {
    throw wrongKind(where + key);
  }
  // An unsigned number past `high` may not fit an int64_t.
  const bool fits = !value->is_number_unsigned() || value->get<uint64_t>() <= static_cast<uint64_t>(high);
  if (!fits || value->get<int64_t>() < low || value->get<int64_t>() > high) {
    throw Fault(where + key, text::fill(text::translate("pdx::simulator", "%1~%2 사이의 정수여야 합니다"),
                                        {std::to_string(low), std::to_string(high)}));
  }
  return static_cast<int>(value->get<int64_t>());
}

bool flag(const json &object, const char *key, bool fallback) {
  const json *value = member(object, "", key, true);
  if (value != nullptr && !value->is_boolean()) {
    throw wrongKind(key);
  }
  return value == nullptr ? fallback : value->get<bool>();
}

std::string string(const json &object, const std::string &where, const char *key,
                   std::optional<std::string> fallback) {
  const json *value = member(object, where, key, fallback.has_value());
  if (value != nullptr && !value->is_string()) {
    throw wrongKind(where + key);
  }
  return value == nullptr ? *fallback : value->get<std::string>();
}

std::string simCode(const json &object, const char *key, const std::string &fallback) {
  std::string code = string(object, "", key, fallback);
  if (!isSimCode(code)) {
    throw Fault(key, text::translate("pdx::simulator", "숫자 4~8자리여야 합니다"));
  }
  return code;
}

std::string identity(const json &object, const char *key, const std::string &fallback) {
  std::string value = string(object, "", key, fallback);
  if (value.empty() || value.size() > kMaxIdentity ||
      std::any_of(value.begin(), value.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; })) {
    throw Fault(key,
                text::fill(text::translate("pdx::simulator", "제어 문자 없는 1~%1바이트의 글자여야 합니다"),
                           {std::to_string(kMaxIdentity)}));
  }
  return value;
}

std::string entryFaultText(EntryFault fault, const AtPhonebook &book) {
  switch (fault) {
  case EntryFault::BadNumber:
    return text::translate("pdx::simulator", "전화번호는 숫자, *, #와 맨 앞의 +로만 씁니다");
  case EntryFault::NumberTooLong:
    return text::fill(text::translate("pdx::simulator", "전화번호는 %1자리까지입니다"),
                      {std::to_string(book.numberLength)});
  case EntryFault::BadText:
    return text::translate("pdx::simulator", "쓸 수 없는 글자가 있습니다");
  case EntryFault::TextTooLong:
    return text::fill(text::translate("pdx::simulator", "이름은 %1자까지입니다"),
                      {std::to_string(book.nameLength)});
  case EntryFault::None:
    break;
  }
  return {};
}

void readEntries(const json &entries, const std::string &where, AtPhonebook &book) {
  if (!entries.is_array()) {
    throw wrongKind(where);
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string at = where + "[" + std::to_string(i) + "]";
    if (!entries[i].is_object()) {
      throw wrongKind(at);
    }
    const int index = integer(entries[i], at + ".", "index", std::nullopt, 1, book.size);
    AtEntry entry{string(entries[i], at + ".", "number", std::nullopt),
                  string(entries[i], at + ".", "name", "")};
    if (const EntryFault fault = entryFault(book, entry); fault != EntryFault::None) {
      throw Fault(at + ".entry", entryFaultText(fault, book));
    }
    if (!book.entries.emplace(index, std::move(entry)).second) {
      throw Fault(at + ".index", text::fill(text::translate("pdx::simulator", "%1번이 두 번 나옵니다"),
                                            {std::to_string(index)}));
    }
  }
}

AtPhonebook bookFromJson(const json &object, const char *key, const AtPhonebook &fallback) {
  const json *in = member(object, "", key, true);
  if (in == nullptr) {
    return fallback;
  }
  const std::string where = std::string(key) + ".";
  if (!in->is_object()) {
    throw wrongKind(key);
  }
  AtPhonebook book;
  book.size = integer(*in, where, "size", fallback.size, 1, kMaxBookSize);
  book.numberLength = integer(*in, where, "number_length", fallback.numberLength, 1, kMaxNumberLength);
  book.nameLength = integer(*in, where, "name_length", fallback.nameLength, 1, kMaxNameLength);
  if (const json *entries = member(*in, where, "entries", true)) {
    readEntries(*entries, where + "entries", book);
  }
  return book;
}

// A PDU as the modem serves it: upper-case hexadecimal it can decode.
std::string pduFromJson(const json &message, const std::string &where) {
  std::string pdu = string(message, where, "pdu", std::nullopt);
  std::transform(pdu.begin(), pdu.end(), pdu.begin(), [](unsigned char c) { return std::toupper(c); });
  if (pdu.size() > pdx::at::kMaxPduHex || !pdx::at::decodePdu(pdu)) {
    throw Fault(where + "pdu", text::translate("pdx::simulator", "16진수로 된 올바른 PDU여야 합니다"));
  }
  return pdu;
}

// `kMessagePlaces` places (fewer are padded with empty ones), each null or
// a message.
std::vector<std::optional<AtMessage>> messagesFromJson(const json &object) {
  std::vector<std::optional<AtMessage>> places(AtModemState::kMessagePlaces);
  const json *in = member(object, "", "messages", true);
  if (in == nullptr) {
    return places;
  }
  if (!in->is_array() || in->size() > places.size()) {
    throw Fault("messages",
                text::fill(text::translate("pdx::simulator", "기록은 %1개까지의 배열이어야 합니다"),
                           {std::to_string(AtModemState::kMessagePlaces)}));
  }
  for (size_t i = 0; i < in->size(); ++i) {
    const json &message = (*in)[i];
    const std::string at = "messages[" + std::to_string(i) + "]";
    if (message.is_null()) {
      continue;
    }
    if (!message.is_object()) {
      throw wrongKind(at);
    }
    places[i] =
        AtMessage{integer(message, at + ".", "status", std::nullopt, 0, 3), pduFromJson(message, at + ".")};
  }
  return places;
}

json bookToJson(const AtPhonebook &book) {
  json entries = json::array();
  for (const auto &[index, entry] : book.entries) {
    entries.push_back({{"index", index}, {"number", entry.number}, {"name", entry.name}});
  }
  return {{"size", book.size},
          {"number_length", book.numberLength},
          {"name_length", book.nameLength},
          {"entries", entries}};
}

AtModemState stateFromJson(const json &in) {
  if (!in.is_object()) {
    throw wrongKind("/");
  }
  AtModemState next;
  next.pin = simCode(in, "pin", next.pin);
  next.puk = simCode(in, "puk", next.puk);
  next.pinLock = flag(in, "pin_lock", next.pinLock);
  next.pinRequired = next.pinLock;
  next.pinAttempts = integer(in, "", "pin_attempts", next.pinAttempts, 0, 3);
  next.pukAttempts = integer(in, "", "puk_attempts", next.pukAttempts, 0, 10);
  next.maker = identity(in, "maker", next.maker);
  next.model = identity(in, "model", next.model);
  next.revision = identity(in, "revision", next.revision);
  next.imei = identity(in, "imei", next.imei);
  next.numbersInCharset = flag(in, "numbers_in_charset", next.numbersInCharset);
  next.sim = bookFromJson(in, "sim", next.sim);
  next.phone = bookFromJson(in, "phone", next.phone);
  next.messages = messagesFromJson(in);
  return next;
}

} // namespace

json modemStateToJson(const AtModemState &state) {
  json messages = json::array();
  for (const auto &message : state.messages) {
    messages.push_back(message ? json{{"status", message->status}, {"pdu", message->pdu}} : json());
  }
  return {{"pin", state.pin},
          {"puk", state.puk},
          {"pin_lock", state.pinLock},
          {"pin_attempts", state.pinAttempts},
          {"puk_attempts", state.pukAttempts},
          {"maker", state.maker},
          {"model", state.model},
          {"revision", state.revision},
          {"imei", state.imei},
          {"numbers_in_charset", state.numbersInCharset},
          {"sim", bookToJson(state.sim)},
          {"phone", bookToJson(state.phone)},
          {"messages", messages}};
}

bool modemStateFromJson(const json &in, AtModemState &state, std::string &error) {
  try {
    state = stateFromJson(in);
    return true;
  } catch (const std::exception &e) {
    error = stateFormatError(e.what());
    return false;
  }
}

StateLoad loadModemState(const std::filesystem::path &path, AtModemState &state, std::string &error) {
  StateLoad status = StateLoad::Loaded;
  const std::optional<json> document = readStateFile(path, status, error);
  if (!document) {
    return status;
  }
  return modemStateFromJson(*document, state, error) ? StateLoad::Loaded : StateLoad::Invalid;
}

bool saveModemState(const std::filesystem::path &path, const AtModemState &state, std::string &error) {
  return writeStateFile(path, modemStateToJson(state), error);
}

} // namespace pdx::simulator::at
