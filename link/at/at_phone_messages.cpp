// The message store of an AT phone: PDU mode, storage, list, read, store,
// send and delete.
#include "link/at/at_phone.h"
#include "link/at/phone_number.h"

namespace pdx::at {

namespace {

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

} // namespace

AtResult AtPhone::selectMessageStorage(std::string_view storage, StorageUse &use) {
  AtResponse response;
  const std::string name = quoted(storage);
  AtResult result = command("AT+CMGF=0");
  result = result.ok() ? command("AT+CPMS=" + name + "," + name + "," + name, &response) : result;
  if (!result.ok()) {
    return result;
  }
  for (const std::string &line : response.lines) {
    if (const auto uses = parseMessageStorage(line); uses && !uses->empty()) {
      use = uses->front();
      use.storage = storage;
      return {};
    }
  }
  return {AtStatus::BadAnswer};
}

namespace {

// Header and PDU line pairs of +CMGL and +CMGR; a PDU that does not decode
// is left out.
std::vector<StoredSms> messagesOf(const std::vector<std::string> &lines, std::optional<int> index) {
  std::vector<StoredSms> out;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    const auto header = index ? parseMessageRead(lines[i]) : parseMessageListEntry(lines[i]);
    if (!header) {
      continue;
    }
    if (auto pdu = decodePdu(lines[i + 1], static_cast<size_t>(header->length))) {
      out.push_back({index.value_or(header->index), std::move(*pdu), header->status});
    }
    ++i;
  }
  return out;
}

} // namespace

AtResult AtPhone::listMessages(std::vector<StoredSms> &messages) {
  AtResponse response;
  const AtResult result = command("AT+CMGL=4", &response);
  messages = result.ok() ? messagesOf(response.lines, std::nullopt) : std::vector<StoredSms>{};
  return result;
}

AtResult AtPhone::readMessage(int index, StoredSms &message) {
  AtResponse response;
  const AtResult result = command("AT+CMGR=" + std::to_string(index), &response);
  if (!result.ok()) {
    return result;
  }
  const std::vector<StoredSms> read = messagesOf(response.lines, index);
  if (read.empty()) {
    return {AtStatus::BadAnswer};
  }
  message = read.front();
  return {};
}

AtResult AtPhone::storeMessage(const EncodedPdu &pdu, int &index) {
  AtResponse response;
  const AtResult result =
      enterPdu("AT+CMGW=" + std::to_string(pdu.tpduLength), pdu, response, kCommandTimeout);
  if (!result.ok()) {
    return result;
  }
  for (const std::string &line : response.lines) {
    if (const auto stored = parseFirstNumber(line, "+CMGW")) {
      index = *stored;
      return {};
    }
  }
  return {AtStatus::BadAnswer};
}

AtResult AtPhone::sendText(std::string_view recipient, std::string_view text, std::vector<int> &references) {
  references.clear();
  const auto pdus = submitPdus(addressForModem(recipient), text, ++concatReference_);
  if (!pdus) {
    return {AtStatus::Refused};
  }
  for (const EncodedPdu &pdu : *pdus) {
    AtResponse response;
    const AtResult result =
        enterPdu("AT+CMGS=" + std::to_string(pdu.tpduLength), pdu, response, kSendTimeout);
    if (!result.ok()) {
      return result;
    }
    for (const std::string &line : response.lines) {
      if (const auto reference = parseFirstNumber(line, "+CMGS")) {
        references.push_back(*reference);
      }
    }
  }
  return {};
}

AtResult AtPhone::deleteMessage(int index) {
  return command("AT+CMGD=" + std::to_string(index));
}

} // namespace pdx::at
