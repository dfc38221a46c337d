#include "features/common/column_settings.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pdx::features {
namespace {

TEST(ColumnSettings, StoredBoundariesAreUsedOnlyWhenAllParse) {
  const auto file =
      std::filesystem::temp_directory_path() / ("pdx-columns-" + std::to_string(::getpid()) + ".conf");
  const std::vector<int> defaults{20, 87, 160, 260, 360, 460};
  {
    platform::Settings settings = platform::Settings::atFile(file);
    EXPECT_EQ(loadColumnBoundaries(settings, "DiaryPhoneItemPos", defaults), defaults);
    settings.setText("General", "DiaryPhoneItemPos", "5,5,5");
    EXPECT_EQ(loadColumnBoundaries(settings, "DiaryPhoneItemPos", defaults), defaults);
    storeColumnBoundaries(settings, "DiaryPhoneItemPos", {30, 90, 160, 260, 360, 460});
  }
  platform::Settings again = platform::Settings::atFile(file);
  EXPECT_EQ(again.text("General", "DiaryPhoneItemPos"), "30,90,160,260,360,460");
  std::filesystem::remove(file);
}

} // namespace
} // namespace pdx::features
