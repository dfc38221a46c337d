#include "core/base/virtual_event_loop.h"
#include "link/connection/logon.h"
#include "link/serial/fake_serial_device.h"

#include <deque>
#include <gtest/gtest.h>

namespace pdx::link {
namespace {

// Plays the user from a script and records what the program showed.
struct ScriptedView : LogOnView {
  std::deque<std::pair<Choice, std::string>> answers;
  std::vector<std::string> shown;
  int shakes = 0;
  int waiting = 0;

  Choice askPassword(std::string &digits) override {
    auto [choice, text] = answers.front();
    answers.pop_front();
    digits = text;
    return choice;
  }
  void showWaiting(const char *text) override {
    ++waiting;
    EXPECT_STREQ(text, "비밀번호를 확인하고 있습니다. 잠시만 기다려주세요.");
  }
  void hideWaiting() override { --waiting; }
  void showStop(const char *text) override { shown.emplace_back(text); }
  void shake() override { ++shakes; }
};

struct LogOnFixture : ::testing::Test {
  LogOnFixture() {
    device.setOpenablePorts({1});
    device.setWriteHook([this](uint8_t byte) {
      parser.push(std::vector<uint8_t>{byte});
      while (auto frame = parser.next()) {
        if (!phonePresent) {
          continue;
        }
        if (frame->code == PC_PING2) {
          device.deliver(encodeFrame(PC_PONG, {}));
        } else if (frame->code == PC_PW_SET_REQ) {
          const bool right = frame->data == std::vector<uint8_t>{0x12, 0x34};
          device.deliver(encodeFrame(right ? PC_OK : PC_NG, std::vector<uint8_t>{0}));
        }
      }
    });
  }
  void answer(LogOnView::Choice choice, std::string digits = "") {
    view.answers.emplace_back(choice, digits);
  }

  VirtualEventLoop loop;
  FakeSerialDevice device{loop};
  CPhoneLink link{device, loop};
  FrameParser parser{codesFromProgram()};
  ScriptedView view;
  bool phonePresent = true;
  LogOnSettings settings{false, 0, nullptr};
};

TEST_F(LogOnFixture, ConnectsAndRemembersThePortInUse) {
  int remembered = -1;
  settings.rememberPort = [&](int port) { remembered = port; };
  answer(LogOnView::Choice::Ok, "1234");
  EXPECT_EQ(logOn(link, view, settings), LogOnResult::Online);
  EXPECT_EQ(remembered, 1);
  EXPECT_EQ(link.status().state(), LinkStatus::Connected);
  EXPECT_EQ(view.waiting, 0);
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(LogOnFixture, WrongPasswordShakesThePageThreeTimesThenSaysSo) {
  for (int i = 0; i < 3; ++i) {
    answer(LogOnView::Choice::Ok, "4321");
  }
  EXPECT_EQ(logOn(link, view, settings), LogOnResult::Failed);
  EXPECT_EQ(view.shakes, 3);
  EXPECT_EQ(view.shown, std::vector<std::string>{"비밀번호가 틀렸습니다. 비밀번호를 확인하세요."});
}

TEST_F(LogOnFixture, MissingPhoneWarnsTwiceThenAsksToCheckTheConnection) {
  phonePresent = false;
  for (int i = 0; i < 3; ++i) {
    answer(LogOnView::Choice::Ok, "1234");
  }
  EXPECT_EQ(logOn(link, view, settings), LogOnResult::Failed);
  EXPECT_EQ(view.shown, (std::vector<std::string>{"휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.",
                                                  "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.",
                                                  "휴대폰과의 연결을 확인해주시기 바랍니다."}));
  EXPECT_EQ(link.status().state(), LinkStatus::NotConnected);
}

TEST_F(LogOnFixture, CancelWorksWithoutThePhoneAndClosingFails) {
  answer(LogOnView::Choice::Ok, "4321");
  answer(LogOnView::Choice::WithoutPhone);
  EXPECT_EQ(logOn(link, view, settings), LogOnResult::Offline);
  answer(LogOnView::Choice::Close);
  EXPECT_EQ(logOn(link, view, settings), LogOnResult::Failed);
}

TEST_F(LogOnFixture, TestModeChecksTheFixedCodeWithoutOpeningAPort) {
  settings.testMode = true;
  int remembered = -1;
  settings.rememberPort = [&](int port) { remembered = port; };
  answer(LogOnView::Choice::Ok, "1234");
  answer(LogOnView::Choice::Ok, std::string(kTestModePassword));
  EXPECT_EQ(logOn(link, view, settings), LogOnResult::Online);
  EXPECT_EQ(view.shakes, 1);
  EXPECT_TRUE(device.openAttempts().empty());
  EXPECT_EQ(remembered, -1);
}

} // namespace
} // namespace pdx::link
