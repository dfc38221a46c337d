#include "core/base/test_support.h"
#include "platform/event_loop/testing/qt_loop_test.h"
#include "platform/serial/comm_port.h"
#include "platform/serial/port_holder.h"
#include "platform/serial/port_table.h"
#include "platform/settings/settings.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

namespace pdx::platform {
namespace {

using link::OpenFailure;

// A pseudo-terminal whose far end the test plays.
struct Pty {
  Pty() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(master);
    ::unlockpt(master);
    char name[128] = {};
    ::ptsname_r(master, name, sizeof name);
    path = name;
  }
  ~Pty() { ::close(master); }
  std::vector<uint8_t> readSome(size_t want) {
    std::vector<uint8_t> got;
    while (got.size() < want) {
      pollfd pfd{master, POLLIN, 0};
      if (::poll(&pfd, 1, 2000) <= 0) {
        break;
      }
      uint8_t buffer[256];
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n <= 0) {
        break;
      }
      got.insert(got.end(), buffer, buffer + n);
    }
    return got;
  }
  int master;
  std::string path;
};

class CommPortTest : public testing::QtLoopTest {
protected:
  PortTable table() const { return {pty.path, "/nonexistent/tty", "/dev/null"}; }

  Pty pty;
};

TEST_F(CommPortTest, WritesReachTheOtherEndByteForByte) {
  CCommPort port(loop, table());
  ASSERT_TRUE(port.open(0)) << link::describe(port.lastFailure());
  EXPECT_TRUE(port.isOpen());
  EXPECT_EQ(port.writeByte(0x50), 1u);
  EXPECT_EQ(port.writeText("\r\n"), 2u);
  EXPECT_EQ(pty.readSome(3), (std::vector<uint8_t>{0x50, 0x0D, 0x0A}));
}

TEST_F(CommPortTest, OpenFailuresSayWhy) {
  CCommPort port(loop, table());
  EXPECT_FALSE(port.open(1));
  EXPECT_EQ(port.lastFailure(), OpenFailure::NoSuchDevice);
  EXPECT_TRUE(port.openFailed());
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(port.open(2));
  EXPECT_EQ(port.lastFailure(), OpenFailure::NotASerialDevice);
  EXPECT_FALSE(port.open(5));
  EXPECT_EQ(port.lastFailure(), OpenFailure::NoSuchDevice);
  EXPECT_NE(link::describe(OpenFailure::PermissionDenied).find("dialout"), std::string::npos);
}

TEST_F(CommPortTest, SecondOpenFailsAndAnotherProgramFindsItBusy) {
  CCommPort port(loop, table());
  ASSERT_TRUE(port.open(0));
  EXPECT_FALSE(port.open(0));
  EXPECT_EQ(port.lastFailure(), OpenFailure::AlreadyOpen);
  EXPECT_TRUE(port.isOpen());
  CCommPort other(loop, table());
  EXPECT_FALSE(other.open(0));
  EXPECT_EQ(other.lastFailure(), OpenFailure::Busy);
  // The holder is named when the system shows it: here, this very process.
  const std::string holder = "(프로세스 " + std::to_string(::getpid()) + ")";
  EXPECT_NE(describeOpenFailure(pty.path, OpenFailure::Busy).find(holder), std::string::npos);
  EXPECT_EQ(describeOpenFailure(Pty().path, OpenFailure::Busy), link::describe(OpenFailure::Busy));
  port.close();
  port.close();
  EXPECT_FALSE(port.isOpen());
  EXPECT_TRUE(other.open(0));
}

TEST_F(CommPortTest, ArrivalIsReportedOnceUntilTheReaderIsDone) {
  CCommPort port(loop, table());
  int reports = 0;
  port.setDataArrived([&] { ++reports; });
  ASSERT_TRUE(port.open(0));
  std::vector<uint8_t> big(5000, 0x41);
  ASSERT_EQ(::write(pty.master, big.data(), big.size()), 5000);
  ASSERT_TRUE(loop.waitFor([&] { return reports == 1; }, Millis(2000)));
  loop.waitFor([] { return false; }, Millis(50));
  EXPECT_EQ(reports, 1);
  std::array<uint8_t, 2038> buffer{};
  EXPECT_EQ(port.read(buffer), 2038u);
  size_t total = 2038;
  while (total < 5000) {
    const size_t n = port.read(buffer);
    if (n == 0) {
      loop.waitFor([] { return false; }, Millis(10));
    }
    total += n;
  }
  EXPECT_EQ(port.read(buffer), 0u);
  port.readerDone();
  ASSERT_EQ(::write(pty.master, "x", 1), 1);
  EXPECT_TRUE(loop.waitFor([&] { return reports == 2; }, Millis(2000)));
  port.close();
}

TEST_F(CommPortTest, ClosingWhileAReportIsOutstandingEndsTheWatch) {
  auto port = std::make_unique<CCommPort>(loop, table());
  int reports = 0;
  port->setDataArrived([&] { ++reports; });
  ASSERT_TRUE(port->open(0));
  ASSERT_EQ(::write(pty.master, "abc", 3), 3);
  ::usleep(50000);
  port.reset();
  loop.waitFor([] { return false; }, Millis(50));
  EXPECT_LE(reports, 1);
}

TEST_F(CommPortTest, DtrUnderHandshakeIsLeftAlone) {
  CCommPort port(loop, table());
  port.settings().dtrDsr = 1;
  EXPECT_EQ(port.setDtr(true), 2);
  port.settings().dtrDsr = 0;
  EXPECT_EQ(port.setDtr(true), 0);
}

TEST(PortTable, SettingsOverrideDefaults) {
  const TempDir dir;
  const auto file = dir / "ports.ini";
  {
    Settings settings = Settings::atFile(file);
    settings.setText("Communication", "COM3", "/dev/ttyUSB7");
    settings.sync();
  }
  const PortTable table = loadPortTable(Settings::atFile(file));
  EXPECT_EQ(table[0], "/dev/ttyUSB0");
  EXPECT_EQ(table[2], "/dev/ttyUSB7");
  EXPECT_EQ(table[7], "/dev/ttyS3");
  EXPECT_STREQ(portName(0), "COM1");
  EXPECT_STREQ(portName(7), "COM8");
  EXPECT_TRUE(serialAliases("/nonexistent/by-id").empty());
}

TEST(PortHolder, NamesTheWayToFreeThePort) {
  const struct {
    PortHolder holder;
    const char *advice;
  } cases[] = {
      {{812, "ModemManager"}, "ID_MM_DEVICE_IGNORE"},
      {{90, "brltty"}, "systemctl stop brltty"},
      {{4711, "minicom"}, "끝낸 뒤"},
  };
  for (const auto &c : cases) {
    const std::string text = describeHolder(c.holder);
    EXPECT_NE(text.find(c.holder.name + "(프로세스 " + std::to_string(c.holder.pid) + ")"),
              std::string::npos);
    EXPECT_NE(text.find(c.advice), std::string::npos) << text;
  }
}

TEST(PortTable, SearchAddsUsbAdaptersAfterTheTableOnce) {
  namespace fs = std::filesystem;
  const TempDir dev;
  for (const char *name : {"ttyACM0", "ttyUSB10", "ttyUSB2", "ttyS0", "ttyUSB0"}) {
    std::ofstream(dev / name).put('x');
  }
  fs::create_symlink(dev / "ttyACM0", dev / "modem");
  PortTable table{(dev / "ttyUSB0").string(), "", (dev / "modem").string(), "/dev/none"};
  const std::vector<std::string> expected = {(dev / "modem").string(), (dev / "ttyUSB0").string(),
                                             "/dev/none", (dev / "ttyUSB2").string(),
                                             (dev / "ttyUSB10").string()};
  EXPECT_EQ(searchDevices(table, 2, dev), expected);
}

} // namespace
} // namespace pdx::platform
