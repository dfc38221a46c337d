// pelodex-cli phone: reads and writes the phone's data over the serial
// link, and lists the serial ports.
#include "animation/download/phone_picture.h"
#include "animation/file/animation_file.h"
#include "cli/cmd_phone_sms.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/phone_settings.h"
#include "core/data/alarm_list.h"
#include "features/animations/animation_assignment.h"
#include "link/connection/password.h"
#include "link/export/phone_json.h"
#include "link/session/phone_session.h"
#include "link/wire/download_wire.h"
#include "melody/encode/phone_encoding.h"
#include "melody/file/melody_file.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/event_loop/system_clock.h"
#include "platform/serial/port_holder.h"
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

struct Connection {
  platform::PortTable ports;
  int preferred = 0;
  std::string password;
};

int fail(Outcome outcome, const std::string &detail = {}) {
  std::fprintf(stderr, "pelodex-cli: %s%s\n", link::describe(outcome), detail.c_str());
  return link::exitStatus(outcome);
}

// Why each searched port was not the phone, for a "not found" message.
std::string portReasons(const link::CPhoneLink &link, const platform::PortTable &ports) {
  std::string text;
  for (int i = 0; i < link::kSearchPorts; ++i) {
    const link::OpenFailure failure = link.openFailure(i);
    if (failure != link::OpenFailure::None && !ports[static_cast<size_t>(i)].empty()) {
      const std::string &device = ports[static_cast<size_t>(i)];
      text += std::string("\n  ") + platform::portName(i) + " (" + device +
              "): " + platform::describeOpenFailure(device, failure);
    }
  }
  return text;
}

// After a write whose answer was lost: what the phone holds in the slot.
void reportReadBack(int slot, const std::optional<core::PhoneBookEntry> &held) {
  if (!held) {
    return;
  }
  const std::string what = held->isEmpty() ? "빈 슬롯" : "\"" + held->name.utf8() + "\"";
  std::fprintf(stderr, "pelodex-cli: 휴대폰의 응답이 없어 다시 읽었습니다. %d번 슬롯: %s\n", slot,
               what.c_str());
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
      args.fail(std::string(keys[n]) + " 번호에는 숫자와 - # * p P 만 쓸 수 있습니다: " + *number);
    }
    entry.numbers[n].set(number.value_or(""));
  }
  const auto group = args.number("--group", 0, 19);
  if (!name || name->empty()) {
    args.fail("--name 이 필요합니다.");
    return std::nullopt;
  }
  const std::string bytes = text::fromUtf8(*name);
  if (bytes.size() > 16) {
    args.fail("이름이 너무 깁니다 (16바이트까지): " + *name);
  }
  entry.name.set(bytes);
  entry.group = static_cast<uint16_t>(group.value_or(0));
  return entry;
}

std::optional<core::SmsMessage> messageFromArgs(Args &args, std::string &to,
                                                std::optional<std::string> &callback) {
  const auto recipient = args.option("--to");
  callback = args.option("--callback");
  const auto body = args.option("--text");
  if (!recipient || !core::isValidPhoneNumber(*recipient) || recipient->empty()) {
    args.fail("--to 에 받는 사람의 번호가 필요합니다.");
    return std::nullopt;
  }
  if (!body) {
    args.fail("--text 에 보낼 내용이 필요합니다.");
    return std::nullopt;
  }
  const std::string bytes = text::fromUtf8(*body);
  if (bytes.size() > 85) {
    args.fail("메시지가 너무 깁니다 (85바이트까지).");
  }
  to = *recipient;
  core::SmsMessage message;
  const core::CivilTime now = core::koreanTimeAt(platform::SystemClock().utcSeconds());
  message.year = static_cast<uint16_t>(now.year);
  message.month = static_cast<uint8_t>(now.month);
  message.day = static_cast<uint8_t>(now.day);
  message.hour = static_cast<uint8_t>(now.hour);
  message.minute = static_cast<uint8_t>(now.minute);
  message.second = static_cast<uint8_t>(now.second);
  message.text.set(bytes);
  return message;
}

// The animation-set payload of animation `index` of a .pca file for phone
// slot `slot` (0..2), or none with the reason given to `args`.
std::optional<link::wire::Bytes> animationPayload(Args &args, const std::string &file) {
  const auto index = args.number("--index", 0, 1000);
  const auto slot = args.number("--slot", 0, 2);
  if (!index || !slot) {
    args.fail("--index 와 --slot(0~2)이 필요합니다.");
    return std::nullopt;
  }
  animation::CAnimationFile document;
  if (const DocResult result = document.Load(file); result != DocResult::Ok) {
    args.fail(std::string(describe(result)) + " " + file);
    return std::nullopt;
  }
  const animation::CAnimation *picture = document.at(static_cast<int>(*index));
  if (picture == nullptr) {
    args.fail("파일에 " + std::to_string(*index) + "번 애니메이션이 없습니다 (" +
              std::to_string(document.count()) + "개).");
    return std::nullopt;
  }
  return animation::animationSetPayload(static_cast<int>(*slot), *picture);
}

// The melody-set payload of melody `index` of a .pcm file for phone slot
// `slot` (0..2), or none with the reason given to `args`.
std::optional<link::wire::Bytes> melodyPayload(Args &args, const std::string &file) {
  const auto index = args.number("--index", 0, 1000);
  const auto slot = args.number("--slot", 0, 2);
  if (!index || !slot) {
    args.fail("--index 와 --slot(0~2)이 필요합니다.");
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
    args.fail("파일에 " + std::to_string(*index) + "번 멜로디가 없습니다 (" +
              std::to_string(document.size()) + "개).");
    return std::nullopt;
  }
  return melody::buildMelodySetPayload(static_cast<uint8_t>(*slot), document.at(static_cast<int>(*index)));
}

int listPorts(const platform::PortTable &ports, EventLoop &loop) {
  for (int i = 0; i < platform::kPortCount; ++i) {
    platform::CCommPort port(loop, ports);
    const bool opened = port.open(i);
    const std::string state =
        opened ? "열 수 있음"
               : "열 수 없음: " +
                     platform::describeOpenFailure(ports[static_cast<size_t>(i)], port.lastFailure());
    std::printf("%s\t%s\t%s\n", platform::portName(i), ports[static_cast<size_t>(i)].c_str(), state.c_str());
  }
  for (const auto &alias : platform::serialAliases()) {
    std::printf("/dev/serial/by-id/%s\t-> %s\n", alias.name.c_str(), alias.target.c_str());
  }
  return 0;
}

// Runs one command against a connected phone; `session` is connected.
using Command = std::function<int(link::PhoneSession &)>;

int withPhone(const Connection &connection, const Command &command) {
  platform::QtEventLoop loop;
  platform::CCommPort port(loop, connection.ports);
  link::PhoneSession session(port, loop);
  const Outcome connected = session.connect(connection.password, connection.preferred);
  if (connected != Outcome::Ok) {
    return fail(connected,
                connected == Outcome::NotFound ? portReasons(session.link(), connection.ports) : "");
  }
  const int status = command(session);
  session.link().close();
  return status;
}

void showProgress(link::PhoneSession &session) {
  int records = 0;
  session.setOnFrame([records](const link::Frame &frame) mutable {
    if (frame.code == link::PC_MBK_DATA_DATA || frame.code == link::PC_SMS_DATA_DATA) {
      if (++records % 50 == 0) {
        std::fprintf(stderr, "%d개 읽음\n", records);
      }
    }
  });
}

int readCommand(const std::string &what, link::PhoneSession &session) {
  showProgress(session);
  auto &transfers = session.transfers();
  const Outcome outcome = what == "phonebook" ? transfers.readPhonebook()
                          : what == "sms"     ? transfers.readSms()
                                              : transfers.readAlarms();
  if (outcome != Outcome::Ok) {
    return fail(outcome);
  }
  const auto &store = session.store();
  printJson(what == "phonebook" ? link::phonebookJson(store)
            : what == "sms"     ? link::smsJson(store)
                                : link::alarmsJson(store));
  return 0;
}

int backupCommand(const std::string &folder, link::PhoneSession &session) {
  showProgress(session);
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
  std::fprintf(stderr, "백업을 저장하였습니다: %s\n", folder.c_str());
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
    args.fail("--device 와 --port 는 함께 쓸 수 없습니다.");
  }
  if (device) {
    // The named device is the only one tried.
    connection.ports = platform::PortTable{};
    connection.ports[0] = *device;
    connection.preferred = 0;
  } else if (port) {
    connection.preferred = static_cast<int>(*port) - 1;
  }
  const char *fromEnvironment = std::getenv("PELODEX_PASSWORD");
  connection.password = args.option("--password").value_or(fromEnvironment ? fromEnvironment : "");
  return connection;
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
  Command run;
  if (auto settings = phoneSettingsCommand(command, args)) {
    run = *settings;
  } else if (command == "read") {
    const std::string what = args.positional().value_or("");
    if (what != "phonebook" && what != "sms" && what != "alarms" && !phoneSettingsRead(what)) {
      args.fail("read 다음에는 phonebook, sms, alarms, speed-dials, options 중 하나를 쓰세요.");
    }
    run = phoneSettingsRead(what).value_or([what](link::PhoneSession &s) { return readCommand(what, s); });
  } else if (command == "write-entry" || command == "erase-entry") {
    const auto slotText = args.positional();
    const int slot = slotText ? std::atoi(slotText->c_str()) : -1;
    if (!slotText || slot < 0 || slot >= core::kPhoneSlots || *slotText != std::to_string(slot)) {
      args.fail("슬롯 번호는 0에서 199 사이여야 합니다.");
    }
    const auto entry = command == "write-entry" ? entryFromArgs(args) : core::PhoneBookEntry();
    run = [slot, entry](link::PhoneSession &s) {
      const Outcome outcome = s.transfers().writePhonebookSlot(static_cast<uint8_t>(slot),
                                                               entry.value_or(core::PhoneBookEntry()));
      reportReadBack(slot, s.transfers().lastReadBack());
      return outcome == Outcome::Ok ? 0 : fail(outcome);
    };
  } else if (command == "send-sms") {
    std::string to;
    std::optional<std::string> callback;
    const auto message = messageFromArgs(args, to, callback);
    run = [message, to, callback](link::PhoneSession &s) {
      const std::string from = callback.value_or(s.link().phoneInfo());
      const Outcome outcome = s.transfers().sendSms(*message, from, to);
      return outcome == Outcome::Ok ? 0 : fail(outcome);
    };
  } else if (command == "send-melody") {
    const auto payload = melodyPayload(args, args.positional().value_or(""));
    run = [payload](link::PhoneSession &s) {
      const Outcome outcome = s.transfers().downloadMelody(*payload);
      return outcome == Outcome::Ok ? 0 : fail(outcome);
    };
  } else if (command == "send-animation") {
    const auto payload = animationPayload(args, args.positional().value_or(""));
    run = [payload](link::PhoneSession &s) {
      const Outcome outcome = s.transfers().downloadAnimation(*payload);
      return outcome == Outcome::Ok ? 0 : fail(outcome);
    };
  } else if (command == "backup") {
    const auto folder = args.positional();
    if (!folder) {
      args.fail("backup 다음에 저장할 폴더를 쓰세요.");
    }
    run = [folder](link::PhoneSession &s) { return backupCommand(folder.value_or(""), s); };
  } else if (auto sms = smsCommand(command, args)) {
    run = *sms;
  } else {
    args.fail(command.empty() ? "명령이 필요합니다: read, write-entry, erase-entry, send-sms, send-melody, "
                                "send-animation, backup, ports, set-speed-dial, clear-speed-dial, "
                                "move-speed-dial, add-alarm, modify-alarm, delete-alarm, set-option"
                              : "알 수 없는 phone 명령입니다: " + command);
  }
  if (!link::isValidPassword(connection->password)) {
    args.fail("비밀번호(숫자 네 자리)를 --password 나 PELODEX_PASSWORD 로 주세요.");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  return withPhone(*connection, run);
}

} // namespace pdx::cli
