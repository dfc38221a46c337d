#include "core/base/test_support.h"
#include "winlib/picker/picker_session.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {
namespace fs = std::filesystem;

class PickerSessionTest : public testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "melody");
    fs::create_directories(root_ / "other");
    for (const char *name : {"memo.txt", "list.txt", "song.pcm", "melody/tune.pcm"}) {
      std::ofstream(root_ / name) << "x";
    }
    home_ = normalFolder(root_.string());
    pickerStartFolders() = {home_ + "melody/", home_ + "other/"};
  }
  void TearDown() override { pickerStartFolders() = {}; }

  PickerSession session(int mode, const char *pattern, int options = 0) {
    return PickerSession(mode, pattern, options, home_, {{"[-/-]", "/"}, {"[-홈-]", home_}});
  }

  pdx::TempDir root_;
  std::string home_;
};

TEST_F(PickerSessionTest, StartsInTheCurrentOrAlternateFolder) {
  EXPECT_EQ(session(kPickerOpen, "*.pcm").folder(), home_ + "melody/");
  EXPECT_EQ(session(kPickerOpen, "*.pcm").items(), (std::vector<std::string>{"<..>", "tune.pcm"}));
  EXPECT_EQ(session(kPickerOpen, "*.pcm").currentDrive(), 1U);
  EXPECT_EQ(session(kPickerOpen, "*.pcm", kPickerAlternateFolder).folder(), home_ + "other/");
  EXPECT_EQ(session(kPickerOpen, "").pattern(), "*.*");
  pickerStartFolders().current = home_ + "gone/";
  EXPECT_EQ(session(kPickerOpen, "*.pcm").folder(), home_);
}

TEST_F(PickerSessionTest, PatternsFoldersAndParent) {
  auto picker = session(kPickerOpen, "*.pcm");
  EXPECT_EQ(picker.submit(".."), PickerOutcome::Refilled);
  EXPECT_EQ(picker.folder(), home_);
  EXPECT_EQ(picker.submit("*.txt"), PickerOutcome::Refilled);
  EXPECT_EQ(picker.items(),
            (std::vector<std::string>{"<..>", "<melody>", "<other>", "list.txt", "memo.txt"}));
  EXPECT_EQ(picker.activateItem("<other>"), PickerOutcome::Refilled);
  EXPECT_EQ(picker.folder(), home_ + "other/");
  EXPECT_EQ(picker.pattern(), "*.txt");
  EXPECT_EQ(picker.chooseDrive(0), PickerOutcome::Refilled);
  EXPECT_EQ(picker.folder(), "/");
  EXPECT_EQ(picker.chooseDrive(0), PickerOutcome::Nothing);
  EXPECT_EQ(picker.chooseDrive(9), PickerOutcome::Nothing);
  EXPECT_EQ(picker.submit(""), PickerOutcome::Nothing);
}

TEST_F(PickerSessionTest, SaveAsksBeforeOverwritingWithTheExtensionAdded) {
  pickerStartFolders().current = home_;
  auto picker = session(kPickerSave, "*.txt");
  EXPECT_EQ(picker.submit("memo"), PickerOutcome::AskOverwrite);
  EXPECT_EQ(picker.chosenPath(), home_ + "memo.txt");
  EXPECT_EQ(picker.confirmOverwrite(), PickerOutcome::Done);
  EXPECT_EQ(picker.submit("new"), PickerOutcome::Done);
  EXPECT_EQ(picker.chosenPath(), home_ + "new.txt");
  EXPECT_EQ(picker.fileName(), "new.txt");
}

TEST_F(PickerSessionTest, OpenRefusesMissingFiles) {
  auto picker = session(kPickerOpen, "*.pcm");
  EXPECT_EQ(picker.submit("missing"), PickerOutcome::FileMissing);
  EXPECT_EQ(picker.submit("tune"), PickerOutcome::Done);
  EXPECT_EQ(picker.chosenPath(), home_ + "melody/tune.pcm");
  EXPECT_EQ(picker.submit("nowhere/tune.pcm"), PickerOutcome::FolderMissing);
  EXPECT_EQ(PickerSession::fieldTextOf("<melody>"), "melody");
  EXPECT_EQ(PickerSession::fieldTextOf("tune.pcm"), "tune.pcm");
}

TEST_F(PickerSessionTest, FolderOnlyModeStaysInItsFolder) {
  auto picker = session(kPickerSave, "*.pcm", kPickerFolderOnly);
  EXPECT_TRUE(picker.drives().empty());
  EXPECT_EQ(picker.items(), (std::vector<std::string>{"tune.pcm"}));
  EXPECT_EQ(picker.submit(".."), PickerOutcome::IsFolder);
  EXPECT_EQ(picker.folder(), home_ + "melody/");
  auto anyFile = session(kPickerOpen, "*.*", kPickerFolderOnly);
  EXPECT_EQ(anyFile.submit(home_ + "other"), PickerOutcome::IsFolder);
  EXPECT_EQ(anyFile.folder(), home_ + "melody/");
  EXPECT_EQ(picker.submit("*.txt"), PickerOutcome::Refilled);
  EXPECT_EQ(picker.items(), (std::vector<std::string>{"tune.pcm"})); // not refilled
  EXPECT_EQ(picker.submit(home_ + "song"), PickerOutcome::AskOverwrite);
  EXPECT_EQ(picker.chosenPath(), home_ + "song.pcm");
  EXPECT_EQ(picker.fileName(), "song.pcm");
}

} // namespace
} // namespace pdx::winlib
