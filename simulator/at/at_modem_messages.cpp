// The message commands: +CMGF, +CPMS, +CMGL, +CMGR, +CMGW, +CMGS and +CMGD.
#include "link/at/sms_pdu.h"
#include "simulator/at/at_command.h"

#include <algorithm>

namespace pdx::simulator::at {

using namespace pdx::at;

int AtModem::messagesUsed() const {
  return static_cast<int>(std::count_if(state_.messages.begin(), state_.messages.end(),
                                        [](const auto &m) { return m.has_value(); }));
}

void AtModem::markRead(AtMessage &message) {
  if (message.status == 0) {
    message.status = 1;
    stored();
  }
}

// +CMGF (PDU mode only) and +CPMS: SM, ME and MT name the same 30 places.
AtModem::Answer AtModem::messageStorage(std::string_view text) {
  const Command command = split(text);
  const std::string use = std::to_string(messagesUsed()) + "," + std::to_string(AtModemState::kMessagePlaces);
  if (command.name == "+CMGF") {
    if (command.form == "=") {
      return !command.args.empty() && command.args[0] == "0" ? ok() : cms(kCmsNotAllowed);
    }
    return ok({command.form == "=?" ? "+CMGF: (0)" : "+CMGF: 0"});
  }
  if (command.form == "=?") {
    return ok({"+CPMS: (\"SM\",\"ME\",\"MT\"),(\"SM\",\"ME\",\"MT\"),(\"SM\",\"ME\",\"MT\")"});
  }
  if (command.form == "?") {
    return ok({"+CPMS: \"SM\"," + use + ",\"SM\"," + use + ",\"SM\"," + use});
  }
  for (const std::string &storage : command.args) {
    const std::string name = upper(storage);
    if (name != "SM" && name != "ME" && name != "MT") {
      return cms(kCmsNotAllowed);
    }
  }
  return command.args.empty() ? cms(kCmsNotAllowed) : ok({"+CPMS: " + use + "," + use + "," + use});
}

AtModem::Answer AtModem::messageList(std::string_view text) {
  const Command command = split(text);
  if (command.form == "=?") {
    return ok({"+CMGL: (0-4)"});
  }
  const auto wanted = command.args.empty() ? std::optional<int>(0) : toInt(command.args[0]);
  if (!wanted || *wanted < 0 || *wanted > 4) {
    return cms(kCmsNotAllowed);
  }
  Answer answer = ok();
  for (size_t i = 0; i < state_.messages.size(); ++i) {
    auto &message = state_.messages[i];
    if (message && (*wanted == 4 || message->status == *wanted)) {
      answer.lines.push_back("+CMGL: " + std::to_string(i + 1) + "," + std::to_string(message->status) +
                             ",," + std::to_string(tpduLength(message->pdu)));
      answer.lines.push_back(message->pdu);
      markRead(*message);
    }
  }
  return answer;
}

AtModem::Answer AtModem::messageRead(std::string_view text) {
  const Command command = split(text);
  const auto index = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  if (!index || *index < 1 || *index > AtModemState::kMessagePlaces ||
      !state_.messages[static_cast<size_t>(*index - 1)]) {
    return cms(kCmsBadIndex);
  }
  AtMessage &message = *state_.messages[static_cast<size_t>(*index - 1)];
  Answer answer =
      ok({"+CMGR: " + std::to_string(message.status) + ",," + std::to_string(tpduLength(message.pdu)),
          message.pdu});
  markRead(message);
  return answer;
}

AtModem::Answer AtModem::messageEntry(std::string_view text) {
  const Command command = split(text);
  const auto length = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  const auto status = command.args.size() > 1 ? toInt(command.args[1]) : std::optional<int>(2);
  if (!length || *length < 1 || *length > 164 || !status || *status < 0 || *status > 3) {
    return cms(kCmsNotAllowed);
  }
  if (command.name == "+CMGW" && messagesUsed() == AtModemState::kMessagePlaces) {
    return cms(kCmsFull);
  }
  pduCommand_ = command.name;
  pduLength_ = *length;
  pduStatus_ = *status;
  return Answer{{}, -1, -1, false, true};
}

std::string AtModem::finishPdu(bool send) {
  const std::string hex = upper(std::exchange(line_, std::string()));
  const std::string command = std::exchange(pduCommand_, std::string());
  if (!send) {
    return render(ok());
  }
  const auto pdu = decodePdu(hex);
  if (!pdu || static_cast<int>(tpduLength(hex)) != pduLength_ ||
      (command == "+CMGS" && pdu->kind != SmsKind::Submit)) {
    return render(cms(kCmsBadPdu));
  }
  if (command == "+CMGS") {
    state_.sent.push_back(hex);
    reference_ = (reference_ + 1) % 256;
    return render(ok({"+CMGS: " + std::to_string(reference_)}));
  }
  const auto free = std::find(state_.messages.begin(), state_.messages.end(), std::nullopt);
  *free = AtMessage{pduStatus_, hex};
  stored();
  return render(ok({"+CMGW: " + std::to_string(free - state_.messages.begin() + 1)}));
}

AtModem::Answer AtModem::messageDelete(std::string_view text) {
  const Command command = split(text);
  const auto index = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  const auto flag = command.args.size() > 1 ? toInt(command.args[1]) : std::optional<int>(0);
  if (flag == 4) {
    std::fill(state_.messages.begin(), state_.messages.end(), std::nullopt);
    stored();
    return ok();
  }
  if (!index || *index < 1 || *index > AtModemState::kMessagePlaces || flag != 0) {
    return cms(kCmsBadIndex);
  }
  if (std::exchange(state_.messages[static_cast<size_t>(*index - 1)], std::nullopt)) {
    stored();
  }
  return ok();
}

} // namespace pdx::simulator::at
