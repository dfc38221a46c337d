#include "apps/pelodex/options.h"

#include <gtest/gtest.h>

namespace pdx::pelodex {
namespace {

TEST(PelodexOptions, TestModeInEveryFormAndTheDevice) {
  for (const char *flag : {"/TestMode", "-TestMode", "--TestMode"}) {
    EXPECT_TRUE(parsePelodexOptions({flag}).testMode) << flag;
  }
  EXPECT_FALSE(parsePelodexOptions({"TestMode"}).testMode);
  const PelodexOptions o = parsePelodexOptions({"--device", "/dev/pts/7", "-platform", "offscreen"});
  EXPECT_EQ(o.device, "/dev/pts/7");
  EXPECT_EQ(o.unknown, (std::vector<std::string>{"-platform", "offscreen"}));
  EXPECT_EQ(parsePelodexOptions({"--device=/dev/ttyUSB3"}).device, "/dev/ttyUSB3");
  EXPECT_FALSE(parsePelodexOptions({"--device"}).device);
}

} // namespace
} // namespace pdx::pelodex
