// pelodex-cli phone's speed-dial, alarm and option commands against the
// simulated phone: what each leaves on the phone, and the status of each
// wrong use.
#include "cli/cli_test_support.h"
#include "core/base/test_support.h"
#include "link/wire/alarm_wire.h"
#include "simulator/phone_model.h"
#include "simulator/state_json.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace pdx::cli {
namespace {

using testing::runCli;
using testing::SimulatedPhone;

struct Step {
  const char *command;
  int status;
};

void runSteps(const SimulatedPhone &phone, std::initializer_list<Step> steps) {
  for (const Step &step : steps) {
    EXPECT_EQ(runCli(phone.phone(step.command)).status, step.status) << step.command;
  }
}

nlohmann::json readPhone(const SimulatedPhone &phone, const std::string &what) {
  const testing::RunResult read = runCli(phone.phone("read " + what));
  EXPECT_EQ(read.status, 0) << what;
  return nlohmann::json::parse(read.out, nullptr, false);
}

// The simulator's sample phone with its first six phonebook entries only:
// commands that read the phonebook ask for the occupied slots alone. Its
// speed dials 1 and 2 call the mobile numbers of entries 0 and 4; entry 1
// has an office number, entry 2 no home number.
class PhoneSettingsCli : public ::testing::Test {
protected:
  void SetUp() override {
    for (size_t slot = 6; slot < simulator::PhoneState::kSlots; ++slot) {
      state_.phonebook[slot].clear();
    }
  }

  SimulatedPhone start(std::vector<std::string> options = {}) {
    std::string error;
    EXPECT_TRUE(simulator::saveState(file_, state_, error)) << error;
    options.insert(options.begin(), {"--state", file_.string()});
    return SimulatedPhone(options);
  }

  simulator::PhoneState state_ = simulator::sampleState();
  const TempDir dir_;
  const std::filesystem::path file_ = dir_ / "phone.json";
};

TEST_F(PhoneSettingsCli, SpeedDialCommandsChangeOnlyTheKeysTheyName) {
  const SimulatedPhone phone = start();
  runSteps(phone, {
                      {"set-speed-dial 12 --entry 1 --kind office", 0},
                      {"move-speed-dial 12 20", 0},
                      {"clear-speed-dial 2", 0},
                      {"clear-speed-dial 50", 0}, // already empty: nothing to do
                      {"set-speed-dial 30 --entry 2 --kind home", 64},
                      {"move-speed-dial 1 20", 64}, // onto a key in use
                      {"set-speed-dial 0 --entry 1 --kind office", 64},
                      {"set-speed-dial 5 --entry 200 --kind office", 64},
                      {"set-speed-dial 5 --entry 1 --kind fax", 64},
                      {"set-speed-dial 5 --entry 1", 64},
                      {"move-speed-dial 1", 64},
                      {"clear-speed-dial 100", 64},
                  });
  const nlohmann::json read = readPhone(phone, "speed-dials");
  std::map<int, nlohmann::json> keys;
  for (const auto &key : read["speed_dials"]) {
    keys[key["number"].get<int>()] = key;
  }
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[1]["slot"], 0);
  EXPECT_EQ(keys[1]["kind"], "mobile");
  EXPECT_EQ(keys[20]["slot"], 1);
  EXPECT_EQ(keys[20]["kind"], "office");
  EXPECT_EQ(keys[20]["number_text"], "031-501-2053");
}

// The sample phone holds three alarms: "기상" daily at 07:00, "식목일 행사"
// once at 14:00 and "월례 회의" monthly at 09:00.
TEST_F(PhoneSettingsCli, AlarmCommandsChangeThePhonesAlarms) {
  const SimulatedPhone phone = start();
  runSteps(phone, {
                      {"add-alarm --period weekly --time 18:45 --weekday 2 --memo 운동", 0},
                      {"add-alarm --period once --time 08:00 --date 02-30", 64},
                      {"add-alarm --time 08:00", 64},
                      {"add-alarm --period daily", 64},
                      {"add-alarm --period yearly --time 08:00", 64},
                      {"add-alarm --period daily --time 24:00", 64},
                      {"add-alarm --period daily --time 8", 64},
                      {"add-alarm --period daily --time 08:00 --memo 일이삼사오육칠", 64}, // 14 bytes
                      {"modify-alarm 9 --time 08:00", 64},
                      {"modify-alarm 10 --time 08:00", 64},
                      {"delete-alarm 7", 64},
                      {"delete-alarm", 64},
                  });
  const nlohmann::json before = readPhone(phone, "alarms")["alarms"];
  const auto positionOf = [&before](const std::string &title) {
    for (size_t i = 0; i < before.size(); ++i) {
      if (before[i]["title"] == title) {
        return std::to_string(i);
      }
    }
    return std::string("none");
  };
  runSteps(phone, {
                      {("modify-alarm " + positionOf("기상") + " --time 23:59 --memo 늦잠").c_str(), 0},
                      {("delete-alarm " + positionOf("식목일 행사")).c_str(), 0},
                  });
  const nlohmann::json read = readPhone(phone, "alarms");
  std::map<std::string, nlohmann::json> alarms;
  for (const auto &alarm : read["alarms"]) {
    alarms[alarm["title"].get<std::string>()] = alarm;
  }
  ASSERT_EQ(alarms.size(), 3u);
  EXPECT_EQ(alarms["늦잠"]["time"].get<std::string>().substr(11), "23:59");
  EXPECT_EQ(alarms["늦잠"]["repeat"], 5) << "still daily";
  EXPECT_EQ(alarms["운동"]["time"].get<std::string>().substr(11), "18:45");
  EXPECT_EQ(alarms["운동"]["weekday"], 2);
  EXPECT_EQ(alarms["운동"]["repeat"], 6);
  EXPECT_EQ(alarms.count("월례 회의"), 1u);
}

TEST_F(PhoneSettingsCli, TheEleventhAlarmIsRefused) {
  core::AlarmEntry alarm;
  alarm.year = 1999;
  alarm.month = 5;
  alarm.day = 1;
  alarm.repeat = core::kDaily;
  for (size_t position = 3; position < 10; ++position) {
    link::wire::putAlarm(state_.alarms, position, alarm, 0);
  }
  const SimulatedPhone phone = start();
  EXPECT_EQ(runCli(phone.phone("add-alarm --period daily --time 06:00")).status, 64);
  EXPECT_EQ(readPhone(phone, "alarms")["alarms"].size(), 10u);
}

// Rows 3 and 5 are choices, 20 the area code, 36 the greeting text and 37
// the password; 0 is a heading.
TEST_F(PhoneSettingsCli, SetOptionChangesOneRowAndKeepsTheRest) {
  const SimulatedPhone phone = start();
  runSteps(phone, {
                      {"set-option 3 진동", 0},
                      {"set-option 5 4", 0},
                      {"set-option 20 031", 0},
                      {"set-option 36 안녕하세요", 0},
                      {"set-option 0 1", 64},
                      {"set-option 38 1", 64},
                      {"set-option 3 3", 64},
                      {"set-option 3 종", 64},
                      {"set-option 20 02a", 64}, // the text rules themselves are the option table's
                      {"set-option 5", 64},
                  });
  const nlohmann::json rows = readPhone(phone, "options")["rows"];
  ASSERT_EQ(rows.size(), 38u);
  EXPECT_EQ(rows[3]["value"], "진동");
  EXPECT_EQ(rows[5]["value"], "레벨5");
  EXPECT_EQ(rows[20]["value"], "031");
  EXPECT_EQ(rows[36]["value"], "안녕하세요");
  EXPECT_EQ(rows[33]["value"], "010") << "the rest of the record goes back as the phone gave it";
  EXPECT_EQ(rows[37]["value"], "0000");
}

TEST_F(PhoneSettingsCli, AWriteThePhoneRefusesExitsWithFour) {
  const struct {
    const char *refused;
    std::vector<const char *> commands;
  } cases[] = {
      {"PC_SKEY_SET_REQ",
       {"set-speed-dial 12 --entry 1 --kind office", "clear-speed-dial 2", "move-speed-dial 1 20"}},
      {"PC_ALM_SET_REQ",
       {"add-alarm --period daily --time 06:30", "modify-alarm 0 --time 07:30", "delete-alarm 0"}},
      {"PC_OPT_SET_REQ", {"set-option 3 진동"}},
  };
  for (const auto &c : cases) {
    const SimulatedPhone phone = start({"--refuse", c.refused});
    for (const char *command : c.commands) {
      EXPECT_EQ(runCli(phone.phone(command)).status, 4) << command;
    }
  }
}

} // namespace
} // namespace pdx::cli
