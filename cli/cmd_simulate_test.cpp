// pelodex-cli phone against pelodex-cli simulate, as a user runs them: real
// processes over a pseudo-terminal, checked by exit status and output.
#include "animation/file/animation_file.h"
#include "cli/cli_test_support.h"
#include "core/base/test_support.h"
#include "simulator/state_json.h"

#include <array>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <thread>

namespace pdx::simulator {
namespace {

namespace fs = std::filesystem;
using cli::testing::runCli;
using cli::testing::RunResult;
using cli::testing::SimulatedPhone;

class PhoneCliTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir / "config" / "QZ Telecom");
    // The port search must never reach the machine's own serial devices.
    std::ofstream conf(dir / "config" / "QZ Telecom" / "Pelodex.conf");
    conf << "[Communication]\n";
    for (int i = 1; i <= 8; ++i) {
      conf << "COM" << i << "=" << (dir / "none").string() << i << "\n";
    }
    conf.close();
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    PhoneState state = sampleState();
    for (size_t i = 6; i < PhoneState::kSlots; ++i) {
      state.phonebook[i].clear();
    }
    std::string error;
    ASSERT_TRUE(saveState(statePath, state, error)) << error;
  }
  // What the simulator saved of its phone.
  PhoneState saved() const {
    PhoneState state;
    std::string error;
    EXPECT_EQ(loadState(statePath, state, error), StateLoad::Loaded) << error;
    return state;
  }

  const TempDir dir;
  const std::string statePath = (dir / "phone.json").string();
};

TEST_F(PhoneCliTest, ReadsPrintJsonInTheDocumentedShapes) {
  SimulatedPhone sim({"--state", statePath, "--trace", (dir / "trace.txt").string()});
  const RunResult book = runCli(sim.phone("read phonebook"));
  ASSERT_EQ(book.status, 0);
  const auto json = nlohmann::json::parse(book.out);
  ASSERT_EQ(json["entries"].size(), 6u);
  EXPECT_EQ(json["entries"][0]["name"], "김민준");
  EXPECT_EQ(json["groups"].size(), 5u);
  EXPECT_EQ(nlohmann::json::parse(runCli(sim.phone("read sms")).out)["received"].size(), 3u);
  const auto alarms = nlohmann::json::parse(runCli(sim.phone("read alarms")).out);
  EXPECT_EQ(alarms["alarms"][0]["title"], "기상");
  EXPECT_EQ(alarms["alarms"][0]["time"], "1999-03-15T07:00");
  std::ifstream trace(dir / "trace.txt");
  std::string first;
  std::getline(trace, first);
  EXPECT_NE(first.find("pc>phone PC_PING2"), std::string::npos);
  EXPECT_NE(first.find("50 43 00 01 1D 1E"), std::string::npos);
}

TEST_F(PhoneCliTest, WritesReachTheSavedPhoneState) {
  SimulatedPhone sim({"--state", statePath});
  ASSERT_EQ(runCli(sim.phone("write-entry 42 --name 홍길동 --mobile 011-555-6666 --group 2")).status, 0);
  ASSERT_EQ(runCli(sim.phone("erase-entry 1")).status, 0);
  ASSERT_EQ(runCli(sim.phone("send-sms --to 0167778888 --text 안녕하세요")).status, 0);
  const PhoneState phone = saved();
  EXPECT_FALSE(phone.phonebook[42].empty());
  EXPECT_TRUE(phone.phonebook[1].empty());
  EXPECT_EQ(phone.outbox.size(), 0u); // sent messages are not kept
  const auto json = nlohmann::json::parse(runCli(sim.phone("read phonebook")).out);
  EXPECT_EQ(json["entries"].back()["name"], "홍길동");
  EXPECT_EQ(json["entries"].back()["mobile"], "011-555-6666");
}

TEST_F(PhoneCliTest, ExitStatusTellsWhatWentWrong) {
  SimulatedPhone sim({"--refuse", "PC_MBK_SET_REQ"});
  EXPECT_EQ(runCli(sim.phone("erase-entry 3")).status, 4);
  EXPECT_EQ(runCli("phone --device " + sim.device() + " --password 9999 read alarms").status, 3);
  EXPECT_EQ(runCli(sim.phone("read everything")).status, 64);
  EXPECT_EQ(runCli(sim.phone("write-entry 200 --name x")).status, 64);
  EXPECT_EQ(runCli("phone --device " + sim.device() + " read sms").status, 64);
  EXPECT_EQ(runCli("simulate --drop-rate 2").status, 64);
}

TEST_F(PhoneCliTest, SendAnimationPutsThePictureIntoTheSlotRowByRow) {
  animation::CAnimationFile document;
  document.New();
  animation::CAnimation *picture = document.at(document.AddAnimation(std::string("Wave")));
  ASSERT_NE(picture, nullptr);
  picture->setEffect(2);
  picture->setPixel(9, 1, true); // row 1, byte 1, second bit from the left
  writeWholeFile(dir / "test.pca", document.serialize());
  SimulatedPhone sim({"--state", statePath});
  const std::string file = (dir / "test.pca").string();
  ASSERT_EQ(runCli(sim.phone("send-animation " + file + " --index 1 --slot 2")).status, 0);
  const PhoneState phone = saved();
  const std::vector<uint8_t> &payload = phone.animations[2];
  ASSERT_EQ(payload.size(), 631u);
  EXPECT_EQ(std::string(payload.begin() + 1, payload.begin() + 5), "Wave");
  EXPECT_EQ(payload[18], 3);
  EXPECT_EQ(payload[19 + 12 + 1], 0x40);
  EXPECT_EQ(runCli(sim.phone("send-animation " + file + " --index 5 --slot 0")).status, 64);
  EXPECT_EQ(runCli(sim.phone("send-animation " + file + " --index 0 --slot 3")).status, 64);
  EXPECT_EQ(runCli(sim.phone("send-animation " + (dir / "none.pca").string() + " --index 0 --slot 0")).status,
            64);
}

TEST_F(PhoneCliTest, SendMelodyPutsTheEncodedMelodyIntoTheSlot) {
  const std::string file = (dir / "tune.pcm").string();
  ASSERT_EQ(runCli("melody import-rtttl 'Tune:d=4,o=5,b=120:c,d,8e' --out " + file).status, 0);
  SimulatedPhone sim({"--state", statePath});
  ASSERT_EQ(runCli(sim.phone("send-melody " + file + " --index 0 --slot 1")).status, 0);
  const PhoneState phone = saved();
  const std::vector<uint8_t> &payload = phone.melodies[1];
  ASSERT_GE(payload.size(), 23u);
  EXPECT_EQ(payload[0], 1);
  EXPECT_EQ(std::string(payload.begin() + 1, payload.begin() + 5), "Tune");
  const size_t n = static_cast<size_t>(payload[19] << 8 | payload[20]);
  ASSERT_EQ(payload.size(), 22 + n);
  EXPECT_EQ(payload[20 + n], 2); // the end byte closes the melody
  EXPECT_EQ(payload[21 + n], 0);
  EXPECT_EQ(runCli(sim.phone("send-melody " + file + " --index 1 --slot 1")).status, 64);
}

TEST_F(PhoneCliTest, BackupWritesEverythingWithAManifest) {
  SimulatedPhone sim({"--state", statePath});
  ASSERT_EQ(runCli(sim.phone("backup " + (dir / "backup").string())).status, 0);
  for (const char *name : {"phonebook.json", "sms.json", "alarms.json", "phonebook.vcf", "phonebook.csv",
                           "transcript.txt", "MANIFEST.sha256"}) {
    EXPECT_TRUE(fs::exists(dir / "backup" / name)) << name;
  }
  EXPECT_EQ(
      ::system(("cd '" + (dir / "backup").string() + "' && sha256sum --quiet -c MANIFEST.sha256").c_str()),
      0);
  int frames = 0;
  for (const auto &entry : fs::directory_iterator(dir / "backup" / "frames")) {
    frames += entry.path().filename().string().find("PC_MBK_DATA_DATA") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(frames, 6);
}

TEST_F(PhoneCliTest, HostilePhoneCasesEndWithTheirOwnStatus) {
  std::string cleanBook, cleanSms;
  {
    SimulatedPhone sim({"--state", statePath});
    cleanBook = runCli(sim.phone("read phonebook")).out;
    cleanSms = runCli(sim.phone("read sms")).out;
  }
  const struct {
    std::vector<std::string> faults;
    std::string command;
    int status;
    const std::string *out;
  } cases[] = {
      {{"--push", "pong,sms", "--push-every", "40"}, "read sms", 0, &cleanSms},
      {{"--push", "noise", "--latency", "20"}, "read phonebook", 0, &cleanBook},
      {{"--refuse", "PC_SKEY_DATA_REQ"}, "read phonebook", 4, nullptr},
      {{"--refuse", "PC_MGRP_DATA_REQ"}, "backup " + (dir / "backup").string(), 4, nullptr},
      {{"--refuse", "PC_SMS_DATA_REQ"}, "read sms", 4, nullptr},
      {{"--refuse", "PC_PING2"}, "read alarms", 1, nullptr},
      {{"--password-latency", "1500"}, "erase-entry 1", 1, nullptr},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.faults[1] + " " + c.command);
    std::vector<std::string> args{"--state", statePath};
    args.insert(args.end(), c.faults.begin(), c.faults.end());
    SimulatedPhone sim(args);
    const auto start = std::chrono::steady_clock::now();
    const RunResult result = runCli(sim.phone(c.command));
    EXPECT_EQ(result.status, c.status);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    if (c.out != nullptr) {
      EXPECT_EQ(result.out, *c.out);
    }
  }
  // The late password answer never released the abandoned erase.
  std::this_thread::sleep_for(std::chrono::milliseconds(1600));
  const PhoneState phone = saved();
  EXPECT_FALSE(phone.phonebook[1].empty());
  EXPECT_FALSE(fs::exists(dir / "backup" / "MANIFEST.sha256"));
}

TEST_F(PhoneCliTest, ANamedDeviceIsTheOnlyOneTriedAndADamagedStateIsRefused) {
  const RunResult missing =
      runCli("phone --device " + (dir / "missing").string() + " --password 0000 read alarms");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("COM1"), std::string::npos);
  EXPECT_EQ(missing.err.find("COM2"), std::string::npos);
  std::ofstream(dir / "bad.json") << R"({"phonebook":[{"slot":7,"group":40,"name":"x"}]})";
  const RunResult bad = runCli("simulate --state " + (dir / "bad.json").string());
  EXPECT_EQ(bad.status, 65);
  EXPECT_NE(bad.err.find("그룹 번호는 0~19"), std::string::npos) << bad.err;
  std::ofstream(dir / "bad_at.json") << R"({"sim": {"entries": [{"index": 1, "number": "x"}]}})";
  const RunResult badAt = runCli("simulate --protocol at --state " + (dir / "bad_at.json").string());
  EXPECT_EQ(badAt.status, 65);
  EXPECT_NE(badAt.err.find("sim.entries[0].entry: 전화번호는"), std::string::npos) << badAt.err;
}

TEST_F(PhoneCliTest, MessageCommandsReachTheSavedPhoneStateOrExitWithTheirStatus) {
  {
    SimulatedPhone sim({"--state", statePath});
    std::ofstream(dir / "m.txt") << "1998-7-1 9:5:0\tabc\t0111234567\r\n\nhello\n";
    const RunResult loaded = runCli(sim.phone("sms-load " + (dir / "m.txt").string()));
    ASSERT_EQ(loaded.status, 0);
    const auto json = nlohmann::json::parse(loaded.out);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["text"], "hello");
    EXPECT_EQ(json[1]["time"], "1998-07-01T09:05:00");
    EXPECT_EQ(json[1]["slot"], 130) << "the lowest slot the saved box leaves free";
    EXPECT_EQ(json[1]["index"], 4) << "the index sms-save takes for it below";
    ASSERT_EQ(runCli(sim.phone("mark-read 3")).status, 0);
    ASSERT_EQ(runCli(sim.phone("delete-sms --box received --index 1")).status, 0);
    ASSERT_EQ(runCli(sim.phone("sms-save --box saved --index 4 --out " + (dir / "out.txt").string())).status,
              0);
    EXPECT_EQ(runCli(sim.phone("sms-save --box saved --index 9 --out " + (dir / "x.txt").string())).status,
              64);
    EXPECT_EQ(runCli(sim.phone("sms-load " + (dir / "missing.txt").string())).status, 66);
    EXPECT_EQ(runCli(sim.phone("delete-sms --box sent --index 1")).status, 64);
    std::ofstream(dir / "bad.txt") << "2023-02-30 1:2:3\tx\n";
    const RunResult untimed = runCli(sim.phone("sms-load " + (dir / "bad.txt").string()));
    EXPECT_EQ(untimed.status, 0);
    EXPECT_NE(untimed.err.find("지금 시각의 메시지로 읽었습니다"), std::string::npos) << untimed.err;
  }
  const PhoneState phone = saved();
  EXPECT_EQ(phone.received[1][2], 1) << "marked read";
  EXPECT_TRUE(phone.received[4].empty()) << "the newest received message was deleted";
  ASSERT_FALSE(phone.saved[2].empty());
  EXPECT_EQ(std::string(phone.saved[2].begin() + 43, phone.saved[2].begin() + 46), "abc");
  EXPECT_EQ(readWholeFile(dir / "out.txt"), "1998-7-1 9:5:0\tabc\t0111234567");

  SimulatedPhone refusing({"--refuse", "PC_SMS_SET_REQ"});
  const std::string prefix = "phone --device " + refusing.device() + " --password 0000 ";
  EXPECT_EQ(runCli(prefix + "sms-load " + (dir / "m.txt").string()).status, 4);
  EXPECT_EQ(runCli(prefix + "mark-read 3").status, 4);
  EXPECT_EQ(runCli(prefix + "delete-sms --box saved --index 1").status, 4);
}

// What the modem answers to `command` until its final result code (or a
// second without bytes).
std::string askModem(int fd, const std::string &command) {
  EXPECT_EQ(::write(fd, (command + "\r").data(), command.size() + 1),
            static_cast<ssize_t>(command.size() + 1));
  std::string answer;
  pollfd pfd{fd, POLLIN, 0};
  while (answer.find("OK\r\n") == std::string::npos && answer.find("ERROR") == std::string::npos &&
         ::poll(&pfd, 1, 1000) > 0) {
    std::array<char, 256> buffer{};
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    answer.append(buffer.data(), static_cast<size_t>(std::max<ssize_t>(n, 0)));
  }
  return answer;
}

TEST(SimulateAtTest, PlaysAnAtModemWithTheGivenPinAndRefusal) {
  EXPECT_EQ(runCli("simulate --protocol at --password 0000").status, 64);
  EXPECT_EQ(runCli("simulate --protocol at --refuse :20").status, 64);
  SimulatedPhone sim({"--protocol", "at", "--pin", "4321", "--refuse", "cpbw:20"});
  const int fd = ::open(sim.device().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  EXPECT_NE(askModem(fd, "ATE0").find("OK"), std::string::npos);
  EXPECT_NE(askModem(fd, "AT+CMEE=1").find("OK"), std::string::npos);
  EXPECT_NE(askModem(fd, "AT+CPIN=\"1234\"").find("+CME ERROR: 16"), std::string::npos);
  EXPECT_NE(askModem(fd, "AT+CPIN=\"4321\"").find("OK"), std::string::npos);
  EXPECT_NE(askModem(fd, "AT+CPBW=1").find("+CME ERROR: 20"), std::string::npos);
  ::close(fd);
}

// Standard error joined to the output, as a user sees both.
RunResult runJoined(const std::string &arguments) {
  RunResult result = runCli(arguments);
  result.out += result.err;
  return result;
}

// pelodex-cli phone against `simulate --protocol at`: the same commands on a
// phone of today.
class AtPhoneCliTest : public PhoneCliTest {
protected:
  std::string at(const SimulatedPhone &sim, const std::string &rest) {
    return "phone --device " + sim.device() + " --protocol at --pin 1234 " + rest;
  }
};

TEST_F(AtPhoneCliTest, LogsOnWithTheSimPinAndNeverGuessesThePuk) {
  SimulatedPhone sim({"--protocol", "at"});
  const std::string base = "phone --device " + sim.device() + " --protocol at ";
  const struct {
    std::string args;
    int status;
    const char *says;
  } steps[] = {
      {"info", 3, "PIN"},
      {"--pin 9999 info", 3, "남은 횟수: 2"},
      {"--pin 9999 info", 3, "남은 횟수: 1"},
      {"--pin 9999 info", 3, "PUK"}, // the third wrong PIN locks the SIM
      {"--pin 1234 info", 3, "PUK"},
  };
  for (const auto &step : steps) {
    const RunResult result = runJoined(base + step.args);
    EXPECT_EQ(result.status, step.status) << step.args;
    EXPECT_NE(result.out.find(step.says), std::string::npos) << step.args << ": " << result.out;
  }
}

TEST_F(AtPhoneCliTest, AStateFileKeepsEntriesAndALockedSimAcrossRestarts) {
  const std::vector<std::string> options{"--protocol", "at", "--state", (dir / "modem.json").string()};
  {
    SimulatedPhone sim(options); // the file is made from the sample
    ASSERT_EQ(runCli(at(sim, "--memory ME write-entry 3 --name 홍길동 --mobile 010-1111-2222")).status, 0);
  }
  {
    SimulatedPhone sim(options); // the SIM asks for its PIN again
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(runCli("phone --device " + sim.device() + " --protocol at --pin 9999 info").status, 3);
    }
  }
  {
    SimulatedPhone sim(options);
    const RunResult locked = runJoined(at(sim, "info"));
    EXPECT_EQ(locked.status, 3);
    EXPECT_NE(locked.out.find("PUK"), std::string::npos) << locked.out;
  }
  std::vector<std::string> unlocked = options;
  unlocked.push_back("--no-pin");
  SimulatedPhone sim(unlocked);
  const auto book = nlohmann::json::parse(runCli(at(sim, "--memory ME read phonebook")).out);
  ASSERT_EQ(book["entries"].size(), 4u);
  EXPECT_EQ(book["entries"][3]["name"], "홍길동");
}

TEST_F(AtPhoneCliTest, AModemGoneMidReadExitsOneSayingWhatTheOriginalPhoneSays) {
  SimulatedPhone sim({"--protocol", "at", "--hang-up-after", "9"});
  const RunResult result = runCli(at(sim, "read phonebook"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "pelodex-cli: 휴대폰과의 연결이 끊어졌습니다. 케이블을 확인하세요.\n");
}

TEST_F(AtPhoneCliTest, IsFoundAfterTheOriginalHandshakeAndSaysWhatItOffers) {
  SimulatedPhone sim({"--protocol", "at"});
  // No --protocol: the original handshake first, then AT.
  const RunResult info = runCli("phone --device " + sim.device() + " --pin 1234 info");
  ASSERT_EQ(info.status, 0);
  const auto json = nlohmann::json::parse(info.out);
  EXPECT_EQ(json["protocol"], "at");
  EXPECT_EQ(json["model"], "QZ-3000");
  EXPECT_EQ(json["imei"], "354123456789012");
  EXPECT_EQ(json["features"]["phonebook"], true);
  EXPECT_EQ(json["features"]["alarms"], false);
  // The original handset's records are refused with a reason.
  for (const std::string command : {"read alarms", "read options", "clear-speed-dial 1", "backup /tmp/x"}) {
    const RunResult refused = runJoined(at(sim, command));
    EXPECT_EQ(refused.status, 4) << command;
    EXPECT_NE(refused.out.find("AT 명령"), std::string::npos) << command;
  }
}

TEST_F(AtPhoneCliTest, PhonebookIsJoinedWrittenAndErasedByMemory) {
  SimulatedPhone sim({"--protocol", "at"});
  // The SIM's 250 entries join into more than Pelodex's 200 slots.
  const RunResult sim250 = runJoined(at(sim, "read phonebook"));
  ASSERT_EQ(sim250.status, 0);
  EXPECT_NE(sim250.out.find("200"), std::string::npos);
  ASSERT_EQ(
      runCli(at(sim, "--memory ME write-entry 3 --name 홍길동 --mobile 010-1111-2222 --home 02-333-4444"))
          .status,
      0);
  ASSERT_EQ(runCli(at(sim, "--memory ME erase-entry 0")).status, 0);
  const auto book = nlohmann::json::parse(runCli(at(sim, "--memory ME read phonebook")).out);
  ASSERT_EQ(book["entries"].size(), 3u); // entry 0 erased
  EXPECT_EQ(book["entries"][2]["name"], "홍길동");
  EXPECT_EQ(book["entries"][2]["mobile"], "01011112222"); // the phone keeps digits only
  EXPECT_EQ(book["entries"][2]["home"], "023334444");
}

TEST_F(AtPhoneCliTest, MessagesAreReadSavedWholeSentInPartsAndDeleted) {
  SimulatedPhone sim({"--protocol", "at"});
  const auto boxes = nlohmann::json::parse(runCli(at(sim, "read sms")).out);
  ASSERT_EQ(boxes["received"].size(), 7u);
  EXPECT_EQ(boxes["saved"].size(), 4u);
  int longOne = 0;
  for (const auto &message : boxes["received"]) {
    if (message["text"].get<std::string>().size() > 200) {
      longOne = message["index"];
    }
  }
  ASSERT_GT(longOne, 0);
  const std::string index = std::to_string(longOne);
  const fs::path saved = dir / "long.txt";
  ASSERT_EQ(runCli(at(sim, "sms-save --box received --index " + index + " --out " + saved.string())).status,
            0);
  EXPECT_GT(fs::file_size(saved), 150u); // the whole text, past the record's 85 bytes
  ASSERT_EQ(runCli(at(sim, "send-sms --to 010-2222-3333 --text " + std::string(200, 'x'))).status, 0);
  ASSERT_EQ(runCli(at(sim, "delete-sms --box received --index " + index)).status, 0);
  EXPECT_EQ(nlohmann::json::parse(runCli(at(sim, "read sms")).out)["received"].size(), 6u);
}

} // namespace
} // namespace pdx::simulator
