// The real link (termios port, Qt loop, transfers) against the simulator
// over a pseudo-terminal, where the line fails; reads and writes that
// succeed are the transfers' tests and the command line's. The phone holds
// a small phonebook so that the 100 ms pause before each frame keeps the
// suite quick.
#include "link/session/phone_session.h"
#include "platform/serial/comm_port.h"
#include "simulator/pty_phone.h"
#include "simulator/state_json.h"
#include "simulator/testing/served_line_test.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

namespace pdx::simulator {
namespace {

using link::Outcome;

PhoneState smallState() {
  PhoneState state = sampleState();
  for (size_t i = 4; i < PhoneState::kSlots; ++i) {
    if (i != 150) {
      state.phonebook[i].clear();
    }
  }
  return state;
}

class PtyIntegration : public testing::ServedLineTest {
protected:
  void SetUp() override {
    std::string error;
    phone = PtyPhone::create(model, error);
    ASSERT_NE(phone, nullptr) << error;
    serve([this](const std::atomic<bool> &stop) { phone->run(stop); });
    port = std::make_unique<platform::CCommPort>(loop, platform::PortTable{phone->devicePath()});
    session = std::make_unique<link::PhoneSession>(*port, loop);
  }
  void TearDown() override {
    session.reset();
    port.reset();
    stopServing();
  }
  void setFaults(const Faults &faults) { phone->setFaults(faults); }

  PhoneModel model{smallState()};
  std::unique_ptr<PtyPhone> phone;
  std::unique_ptr<platform::CCommPort> port;
  std::unique_ptr<link::PhoneSession> session;
};

TEST_F(PtyIntegration, SilentPhoneIsNotFound) {
  setFaults(Faults{.silent = true});
  EXPECT_EQ(session->connect("0000", 0), Outcome::NotFound);
  EXPECT_FALSE(session->link().isOpen());
}

TEST_F(PtyIntegration, DroppedAndCorruptedAnswersFailTheRequest) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  setFaults(Faults{.dropRate = 1.0});
  EXPECT_EQ(session->transfers().readAlarms(), Outcome::NoAnswer);
  setFaults(Faults{.corruptRate = 1.0});
  EXPECT_EQ(session->transfers().writeOptions(core::PhoneOptions()), Outcome::NoAnswer);
  setFaults(Faults{});
  EXPECT_EQ(session->transfers().readAlarms(), Outcome::Ok);
}

double cpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST_F(PtyIntegration, PhoneGoneMidReadEndsTheReadAtOnceWithoutSpinning) {
  ASSERT_EQ(session->connect("0000", 0), Outcome::Ok);
  setFaults(Faults{.pace = true});
  std::thread pull([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    stopServing();
    phone.reset();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(session->transfers().readPhonebook(), Outcome::Disconnected);
  pull.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(session->link().isOpen());
  EXPECT_TRUE(session->link().deviceLost());
  // Idle on the lost device (the search timer retries every 2 s): a spinning
  // watch thread would use a whole core here.
  const double before = cpuSeconds();
  (void)loop.waitFor([] { return false; }, Millis(1000));
  EXPECT_LT(cpuSeconds() - before, 0.3);
}

TEST(PhoneModelTest, EveryRequestNeedsItsOwnPasswordButFollowUpsRideOnTheRead) {
  PhoneModel model(smallState());
  const Frame password{link::PC_PW_SET_REQ, {0xAA, 0xAA}};
  const struct {
    Frame frame;
    uint8_t answer;
  } script[] = {
      {Frame{link::PC_ALM_DATA_REQ, {}}, link::PC_NG},
      {password, link::PC_OK},
      {Frame{link::PC_MBK_INDEX_REQ, {}}, link::PC_MBK_INDEX_DATA},
      {Frame{link::PC_MBK_DATA_REQ, {0}}, link::PC_MBK_DATA_DATA},
      {Frame{link::PC_SKEY_DATA_REQ, {}}, link::PC_SKEY_DATA_DATA},
      {Frame{link::PC_ALM_DATA_REQ, {}}, link::PC_NG},
      {Frame{link::PC_MBK_DATA_REQ, {0}}, link::PC_NG},
      {password, link::PC_OK},
      {Frame{link::PC_MBK_DATA_REQ, {1}}, link::PC_MBK_DATA_DATA},
      {Frame{link::PC_PING2, {}}, link::PC_PONG},
  };
  for (const auto &step : script) {
    const std::vector<Frame> answers = model.answer(step.frame);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].code, step.answer) << link::codeName(step.frame.code);
  }
  model.setRefusedCode(link::PC_PING2);
  EXPECT_EQ(model.answer(Frame{link::PC_PING2, {}}).front(), refused(link::PC_PING2));
}

TEST(StateFile, DamagedRecordsAreRefusedWithTheirPlace) {
  const struct {
    nlohmann::json patch;
    const char *fault;
  } cases[] = {
      {{{"received", {"00"}}}, "received[0]: 129"},
      {{{"saved", {"80" + std::string(256, '0')}}}, ""},
      {{{"saved", {std::string(258, '0')}}}, "saved[0]: "},
      {{{"groups", std::string(682, '0')}}, "groups: 340"},
      {{{"speed_dials", "ffff0"}}, "홀수"},
      {{{"alarms", "zz"}}, "16진수"},
      {{{"password", "12a4"}}, "password"},
      {{{"phonebook", {{{"slot", 3}, {"group", 25}, {"name", "x"}}}}}, "그룹"},
      {{{"phonebook", {{{"slot", 3}, {"name", "12345678901234567"}}}}}, "phonebook: name: 16"},
      {{{"phonebook", {{{"slot", 3}, {"name", "a"}}, {{"slot", 3}, {"name", "b"}}}}}, "두 번"},
      {{{"phonebook", {{{"slot", 4}}}}}, "phonebook[4]: 사용 중"},
      {{{"melodies", {"", "0100"}}}, "melodies[1]"},
      {{{"animations", {"", "", "", ""}}}, "배열"},
  };
  for (const auto &c : cases) {
    nlohmann::json document = stateToJson(smallState());
    document.merge_patch(c.patch);
    PhoneState state;
    std::string error;
    const bool loaded = stateFromJson(document, state, error);
    EXPECT_EQ(loaded, c.fault[0] == '\0') << c.patch.dump();
    EXPECT_NE(error.find(c.fault), std::string::npos) << error;
  }
}

} // namespace
} // namespace pdx::simulator
