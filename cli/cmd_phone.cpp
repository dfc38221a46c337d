// pelodex-cli phone: reads and writes the phone's data, over the original
// link or AT commands, and lists the serial ports.
#include "animation/file/animation_file.h"
#include "cli/cmd_phone_sms.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/phone_connect.h"
#include "cli/phone_ports.h"
#include "cli/phone_settings.h"
#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "features/animations/animation_assignment.h"
#include "link/connection/password.h"
#include "link/export/backup.h"
#include "link/export/phone_json.h"
#include "melody/encode/phone_encoding.h"
#include "melody/file/melody_file.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/serial/port_table.h"
#include "platform/settings/settings.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace pdx::cli {
namespace {

using link::Outcome;

int fail(Outcome outcome) {
  std::fprintf(stderr, "pelodex-cli: %s\n", link::describe(outcome));
  return link::exitStatus(outcome);
}

void printJson(const nlohmann::json &json) {
  std::printf("%s\n", json.dump(2).c_str());
}

std::optional<core::PhoneBookEntry> entryFromArgs(Args &args) {
  core::PhoneBookEntry entry;
  const auto name = args.option("--name");
  const char *keys[] = {"--home", "--office", "--mobile", "--pager"};
  for (size_t n = 0; n < core::kNumberKinds; ++n) {
    const auto number = args.option(keys[n]);
    if (number && !core::isValidPhoneNumber(*number)) {
      args.fail(std::string(keys[n]) +
                text::translate("pdx::cli::Phone", " 번호에는 숫자와 - # * p P 만 쓸 수 있습니다: ") +
                *number);
    }
    entry.numbers[n].set(number.value_or(""));
  }
  const auto group = args.number("--group", 0, 19);
  if (!name || name->empty()) {
    args.fail(text::translate("pdx::cli::Phone", "--name 이 필요합니다."));
    return std::nullopt;
  }
  const std::string bytes = text::fromUtf8(*name);
  if (bytes.size() > 16) {
    args.fail(text::translate("pdx::cli::Phone", "이름이 너무 깁니다 (16바이트까지): ") + *name);
  }
  entry.name.set(bytes);
  entry.group = static_cast<uint16_t>(group.value_or(0));
  return entry;
}

struct Message {
  std::string to;
  std::optional<std::string> callback;
  std::string text; // UTF-8
};

std::optional<Message> messageFromArgs(Args &args) {
  Message message{args.option("--to").value_or(""), args.option("--callback"), ""};
  const auto body = args.option("--text");
  if (message.to.empty() || !core::isValidPhoneNumber(message.to)) {
    args.fail(text::translate("pdx::cli::Phone", "--to 에 받는 사람의 번호가 필요합니다."));
    return std::nullopt;
  }
  if (!body) {
    args.fail(text::translate("pdx::cli::Phone", "--text 에 보낼 내용이 필요합니다."));
    return std::nullopt;
  }
  message.text = *body;
  return message;
}

// The animation-set payload of animation `index` of a .pca file for phone
// slot `slot` (0..2), or none with the reason given to `args`.
std::optional<link::wire::Bytes> animationPayload(Args &args, const std::string &file) {
  const auto index = args.number("--index", 0, 1000);
  const auto slot = args.number("--slot", 0, 2);
  if (!index || !slot) {
    args.fail(text::translate("pdx::cli::Phone", "--index 와 --slot(0~2)이 필요합니다."));
    return std::nullopt;
  }
  animation::CAnimationFile document;
  if (const DocResult result = document.Load(file); result != DocResult::Ok) {
    args.fail(std::string(describe(result)) + " " + file);
    return std::nullopt;
  }
  const animation::CAnimation *picture = document.at(static_cast<int>(*index));
  if (picture == nullptr) {
    args.fail(text::fill(text::translate("pdx::cli::Phone", "파일에 %1번 애니메이션이 없습니다 (%2개)."),
                         {std::to_string(*index), std::to_string(document.count())}));
    return std::nullopt;
  }
  return features::animationSetPayload(static_cast<int>(*slot), *picture);
}

// The melody-set payload of melody `index` of a .pcm file for phone slot
// `slot` (0..2), or none with the reason given to `args`.
std::optional<link::wire::Bytes> melodyPayload(Args &args, const std::string &file) {
  const auto index = args.number("--index", 0, 1000);
  const auto slot = args.number("--slot", 0, 2);
  if (!index || !slot) {
    args.fail(text::translate("pdx::cli::Phone", "--index 와 --slot(0~2)이 필요합니다."));
    return std::nullopt;
  }
  melody::CMelodyFile document;
  std::error_code ignored; // an empty path stays empty and fails to load
  const std::filesystem::path path = std::filesystem::absolute(file, ignored);
  document.setFolder(path.parent_path());
  if (const DocResult result = document.Load(path.filename().string()); result != DocResult::Ok) {
    args.fail(std::string(describe(result)) + " " + file);
    return std::nullopt;
  }
  if (*index >= document.size()) {
    args.fail(text::fill(text::translate("pdx::cli::Phone", "파일에 %1번 멜로디가 없습니다 (%2개)."),
                         {std::to_string(*index), std::to_string(document.size())}));
    return std::nullopt;
  }
  return melody::buildMelodySetPayload(static_cast<uint8_t>(*slot), document.at(static_cast<int>(*index)));
}

// Runs `command` on the original handset only.
PhoneCommand nativeOnly(const SessionCommand &command) {
  return [command](CliPhone &phone) {
    link::PhoneSession *session = phone.native();
    return session != nullptr ? command(*session) : notOnAtPhone();
  };
}

nlohmann::json featuresJson(const features::PhoneFeatures &offers) {
  return {{"phonebook", offers.phonebook}, {"messages", offers.messages}, {"speed_dials", offers.speedDials},
          {"alarms", offers.alarms},       {"options", offers.options},   {"media", offers.media}};
}

int infoCommand(CliPhone &phone) {
  nlohmann::json out = {{"features", featuresJson(phone.features())}};
  if (link::PhoneSession *session = phone.native()) {
    out["protocol"] = "native";
    out["phone"] = session->link().phoneInfo();
  } else {
    at::AtIdentity identity;
    if (const at::AtResult result = static_cast<AtCliPhone &>(phone).session().phone().identify(identity);
        !result.ok()) {
      return atFailure(result);
    }
    out["protocol"] = "at";
    out["maker"] = identity.maker;
    out["model"] = identity.model;
    out["revision"] = identity.revision;
    out["imei"] = identity.imei;
  }
  printJson(out);
  return 0;
}

// The messages as JSON, each with its whole text.
nlohmann::json messagesJson(CliPhone &phone) {
  nlohmann::json json = link::smsJson(phone.store());
  for (const auto &[key, box] :
       {std::pair{"received", &phone.store().receivedSms}, std::pair{"saved", &phone.store().savedSms}}) {
    for (size_t i = 0; i < box->size(); ++i) {
      json[key][i]["text"] = phone.wholeText((*box)[i]);
    }
  }
  return json;
}

int readCommand(const std::string &what, CliPhone &phone) {
  if (what == "alarms") {
    return nativeOnly([](link::PhoneSession &session) {
      const Outcome outcome = session.transfers().readAlarms();
      return outcome == Outcome::Ok ? (printJson(link::alarmsJson(session.store())), 0) : fail(outcome);
    })(phone);
  }
  const int status = what == "phonebook" ? phone.readPhonebook() : phone.readSms();
  if (status == 0) {
    printJson(what == "phonebook" ? link::phonebookJson(phone.store()) : messagesJson(phone));
  }
  return status;
}

int backupCommand(const std::string &folder, link::PhoneSession &session) {
  auto &transfers = session.transfers();
  for (auto read : {&link::PhoneTransfers::readPhonebook, &link::PhoneTransfers::readSms,
                    &link::PhoneTransfers::readAlarms}) {
    if (const Outcome outcome = (transfers.*read)(); outcome != Outcome::Ok) {
      return fail(outcome);
    }
  }
  std::string error;
  if (!link::writeBackup(folder, session.store(), session.frames(), error)) {
    std::fprintf(stderr, "pelodex-cli: %s\n", error.c_str());
    return kCannotCreate;
  }
  std::fprintf(stderr, "%s\n",
               text::fill(text::translate("pdx::cli::Phone", "백업을 저장하였습니다: %1"), {folder}).c_str());
  return 0;
}

std::optional<Connection> connectionFromArgs(Args &args) {
  Connection connection;
  const platform::Settings settings = platform::Settings::forProfile("Pelodex");
  connection.ports = platform::loadPortTable(settings);
  connection.preferred = settings.number("Communication", "Port", 0);
  const auto device = args.option("--device");
  const auto port = args.number("--port", 1, platform::kPortCount);
  if (device && port) {
    args.fail(text::translate("pdx::cli::Phone", "--device 와 --port 는 함께 쓸 수 없습니다."));
  }
  if (device) {
    // The named device is the only one tried.
    connection.ports = platform::PortTable{};
    connection.ports[0] = *device;
    connection.preferred = 0;
    connection.deviceNamed = true;
  } else if (port) {
    connection.preferred = static_cast<int>(*port) - 1;
  }
  const std::string protocol =
      args.option("--protocol").value_or(settings.text(features::kProtocolSection, features::kProtocolKey));
  connection.protocol = features::protocolChoice(protocol).value_or(features::ProtocolChoice::Auto);
  if (!features::protocolChoice(protocol)) {
    args.fail(text::translate("pdx::cli::Phone", "--protocol 에는 native, at, auto 중 하나를 쓰세요."));
  }
  connection.memory = args.option("--memory").value_or("SM");
  connection.storage = args.option("--storage").value_or("SM");
  if (connection.memory != "SM" && connection.memory != "ME") {
    args.fail(text::translate("pdx::cli::Phone", "--memory 에는 SM(SIM)이나 ME(휴대폰)를 쓰세요."));
  }
  if (connection.storage != "SM" && connection.storage != "ME" && connection.storage != "MT") {
    args.fail(text::translate("pdx::cli::Phone", "--storage 에는 SM, ME, MT 중 하나를 쓰세요."));
  }
  const char *password = std::getenv("PELODEX_PASSWORD");
  connection.password = args.option("--password").value_or(password ? password : "");
  const char *pin = std::getenv("PELODEX_PIN");
  connection.pin = args.option("--pin");
  if (!connection.pin && pin != nullptr) {
    connection.pin = pin;
  }
  return connection;
}

PhoneCommand entryCommand(const std::string &command, Args &args) {
  const auto slotText = args.positional();
  const int slot = slotText ? std::atoi(slotText->c_str()) : -1;
  if (!slotText || slot < 0 || slot >= core::kPhoneSlots || *slotText != std::to_string(slot)) {
    args.fail(text::translate("pdx::cli::Phone", "슬롯 번호는 0에서 199 사이여야 합니다."));
  }
  const auto entry = command == "write-entry" ? entryFromArgs(args) : core::PhoneBookEntry();
  return [slot, entry](CliPhone &phone) {
    return phone.writeEntry(slot, entry.value_or(core::PhoneBookEntry()));
  };
}

// The command of `command` and its arguments, or nothing when it is unknown.
std::optional<PhoneCommand> phoneCommand(const std::string &command, Args &args) {
  if (auto settings = phoneSettingsCommand(command, args)) {
    return nativeOnly(*settings);
  }
  if (command == "info") {
    return infoCommand;
  }
  if (command == "read") {
    const std::string what = args.positional().value_or("");
    if (auto settings = phoneSettingsRead(what)) {
      return nativeOnly(*settings);
    }
    if (what != "phonebook" && what != "sms" && what != "alarms") {
      args.fail(text::translate(
          "pdx::cli::Phone", "read 다음에는 phonebook, sms, alarms, speed-dials, options 중 하나를 쓰세요."));
    }
    return [what](CliPhone &phone) { return readCommand(what, phone); };
  }
  if (command == "write-entry" || command == "erase-entry") {
    return entryCommand(command, args);
  }
  if (command == "send-sms") {
    const auto message = messageFromArgs(args);
    return
        [message](CliPhone &phone) { return phone.sendText(message->to, message->callback, message->text); };
  }
  if (command == "send-melody" || command == "send-animation") {
    const bool melody = command == "send-melody";
    const auto payload = melody ? melodyPayload(args, args.positional().value_or(""))
                                : animationPayload(args, args.positional().value_or(""));
    return nativeOnly([payload, melody](link::PhoneSession &s) {
      const Outcome outcome =
          melody ? s.transfers().downloadMelody(*payload) : s.transfers().downloadAnimation(*payload);
      return outcome == Outcome::Ok ? 0 : fail(outcome);
    });
  }
  if (command == "backup") {
    const auto folder = args.positional();
    if (!folder) {
      args.fail(text::translate("pdx::cli::Phone", "backup 다음에 저장할 폴더를 쓰세요."));
    }
    return nativeOnly([folder](link::PhoneSession &s) { return backupCommand(folder.value_or(""), s); });
  }
  return smsCommand(command, args);
}

} // namespace

int runPhone(Args &args) {
  static int argc = 1;
  static char name[] = "pelodex-cli";
  static char *argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  const auto connection = connectionFromArgs(args);
  const std::string command = args.positional().value_or("");
  if (command == "ports") {
    if (!args.finish()) {
      return kBadArguments;
    }
    platform::QtEventLoop loop;
    return listPorts(connection->ports, loop);
  }
  const std::optional<PhoneCommand> run = phoneCommand(command, args);
  if (!run) {
    args.fail(
        command.empty()
            ? text::translate("pdx::cli::Phone",
                              "명령이 필요합니다: info, read, write-entry, erase-entry, send-sms, sms-load, "
                              "sms-save, mark-read, delete-sms, send-melody, send-animation, backup, ports, "
                              "set-speed-dial, clear-speed-dial, move-speed-dial, add-alarm, modify-alarm, "
                              "delete-alarm, set-option")
            : text::translate("pdx::cli::Phone", "알 수 없는 phone 명령입니다: ") + command);
  }
  const bool native = connection->protocol == features::ProtocolChoice::Native;
  if (native && !link::isValidPassword(connection->password)) {
    args.fail(text::translate("pdx::cli::Phone",
                              "비밀번호(숫자 네 자리)를 --password 나 PELODEX_PASSWORD 로 주세요."));
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  return withPhone(*connection, *run);
}

} // namespace pdx::cli
