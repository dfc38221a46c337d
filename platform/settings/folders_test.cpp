#include "core/base/test_support.h"
#include "platform/settings/folders.h"
#include "platform/settings/settings.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::platform {
namespace {

namespace fs = std::filesystem;

// Each test gets its own configuration and data folders.
class FoldersTest : public ::testing::Test {
protected:
  void SetUp() override {
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
  }
  TempDir root_;
};

TEST_F(FoldersTest, EmptySettingsGiveTheBaseFolderAndCreateTheOthers) {
  const PelodexFolders f = loadPelodexFolders();
  const fs::path base = root_ / "data" / "QZ Telecom";
  EXPECT_EQ(f.data, base.string() + "/");
  EXPECT_EQ(f.message, (base / "save").string() + "/");
  EXPECT_EQ(f.melody, (base / "melody").string() + "/");
  EXPECT_EQ(f.animation, (base / "animate").string() + "/");
  EXPECT_TRUE(fs::is_directory(base / "save"));
  EXPECT_TRUE(fs::is_directory(base / "melody"));
  EXPECT_TRUE(fs::is_directory(base / "animate"));
}

TEST_F(FoldersTest, SettingsNameTheFoldersUnderTheirProfiles) {
  {
    Settings pelodex = Settings::forProfile("Pelodex");
    pelodex.setText("General", "DataDir", (root_ / "mydata").string());
    Settings carrowin = Settings::forProfile("Carrowin");
    carrowin.setText("General", "MelodyDir", (root_ / "tunes").string());
    // The editors' own profile names are not read by the phone-data program.
    Settings brevanto = Settings::forProfile("Brevanto");
    brevanto.setText("General", "MelodyDir", (root_ / "ignored").string());
  }
  const PelodexFolders f = loadPelodexFolders();
  EXPECT_EQ(f.data, (root_ / "mydata").string() + "/");
  EXPECT_EQ(f.melody, (root_ / "tunes").string() + "/");
  EXPECT_TRUE(fs::is_directory(root_ / "tunes"));
  EXPECT_FALSE(fs::exists(root_ / "ignored"));
  EXPECT_TRUE(fs::exists(root_ / "config" / "QZ Telecom" / "Pelodex.conf"));
}

TEST_F(FoldersTest, UncreatableFolderIsUsedUnchanged) {
  const fs::path blocker = root_ / "file";
  { std::ofstream(blocker) << "x"; }
  EXPECT_EQ(resolveFolder((blocker / "sub").string(), root_, "x", true), (blocker / "sub").string() + "/");
}

TEST_F(FoldersTest, SettingsKeepTextAndNumbers) {
  Settings s = Settings::atFile(root_ / "t.conf");
  s.setText("General", "Name", "한글 이름");
  s.setNumber("Communication", "Port", 3);
  s.sync();
  Settings again = Settings::atFile(root_ / "t.conf");
  EXPECT_EQ(again.text("General", "Name"), "한글 이름");
  EXPECT_EQ(again.number("Communication", "Port"), 3);
  EXPECT_EQ(again.number("Communication", "Missing", 7), 7);
  EXPECT_FALSE(again.contains("General", "Missing"));
}

} // namespace
} // namespace pdx::platform
