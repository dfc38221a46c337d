#include "winlib/rules/window_position.h"

#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

TEST(WindowPosition, StoredCoordinatesAreClampedToTheScreen) {
  EXPECT_EQ(clampStoredCoordinate(-20, 1024), 0);
  EXPECT_EQ(clampStoredCoordinate(5000, 1024), 924);
  EXPECT_EQ(clampStoredCoordinate(924, 1024), 924);
  EXPECT_EQ(clampStoredCoordinate(300, 768), 300);
  EXPECT_EQ(clampStoredCoordinate(kDefaultPosition, 1024), std::nullopt);
  EXPECT_EQ(clampStoredCoordinate(50, 60), 0) << "a tiny screen never gives a negative place";
}

TEST(WindowPosition, ProgramDirectoryEndsAtTheLastSeparator) {
  EXPECT_EQ(programDirectoryOf("/usr/bin/Pelodex"), "/usr/bin/");
  EXPECT_EQ(programDirectoryOf("C:\\QZ\\Pelodex.exe"), "C:\\QZ\\");
  EXPECT_EQ(programDirectoryOf("C:Pelodex.exe"), "C:");
  EXPECT_EQ(programDirectoryOf("Pelodex"), "");
}

} // namespace
} // namespace pdx::winlib
