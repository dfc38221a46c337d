#include "core/base/test_support.h"
#include "winlib/picker/picker_rules.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {
namespace fs = std::filesystem;

TEST(PickerPatterns, DefaultExtension) {
  EXPECT_EQ(defaultExtension("*.pcm"), ".pcm");
  EXPECT_EQ(defaultExtension("*.txt"), ".txt");
  EXPECT_EQ(defaultExtension("*.*"), "");
  EXPECT_EQ(defaultExtension("*"), "");
  EXPECT_EQ(defaultExtension("*.tx?"), "");
  EXPECT_EQ(withDefaultExtension("song", ".pcm"), "song.pcm");
  EXPECT_EQ(withDefaultExtension("song.pcm", ".pcm"), "song.pcm");
  EXPECT_EQ(withDefaultExtension("song.txt", ".pcm"), "song.txt");
  EXPECT_EQ(withDefaultExtension("/a.b/song", ".pcm"), "/a.b/song.pcm");
  EXPECT_EQ(withDefaultExtension(".hidden", ".pcm"), ".hidden.pcm");
  EXPECT_EQ(withDefaultExtension("song", ""), "song");
}

TEST(PickerPatterns, MatchingIgnoresCase) {
  EXPECT_TRUE(matchesPattern("벨소리.PCM", "*.pcm"));
  EXPECT_TRUE(matchesPattern("readme", "*.*"));
  EXPECT_FALSE(matchesPattern("a.txt", "*.pcm"));
  EXPECT_TRUE(matchesPattern("a1.txt", "a?.txt"));
}

TEST(PickerPaths, NormalFolders) {
  EXPECT_EQ(normalFolder("/home/kim"), "/home/kim/");
  EXPECT_EQ(normalFolder("/home/kim/../lee/./"), "/home/lee/");
  EXPECT_EQ(normalFolder("/.."), "/");
}

TEST(PickerDrives, RootHomeAndRemovableVolumes) {
  const std::vector<MountedVolume> volumes = {{"/", ""},
                                              {"/sys", "sysfs"},
                                              {"/media/kim/USB DISK", ""},
                                              {"/run/media/kim/sdc1", "카메라"},
                                              {"/mnt/floppy/", ""},
                                              {"/run/user/1000", ""},
                                              {"/mnt/floppy", ""}};
  const auto drives = listDrives("/home/kim", volumes);
  std::vector<std::pair<std::string, std::string>> shown;
  for (const PickerDrive &d : drives) {
    shown.emplace_back(d.label, d.path);
  }
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{{"[-/-]", "/"},
                                                                     {"[-홈-]", "/home/kim/"},
                                                                     {"[-USB DISK-]", "/media/kim/USB DISK/"},
                                                                     {"[-카메라-]", "/run/media/kim/sdc1/"},
                                                                     {"[-floppy-]", "/mnt/floppy/"}}));
  EXPECT_EQ(driveOf(drives, "/home/kim/docs/"), 1U);
  EXPECT_EQ(driveOf(drives, "/media/kim/USB DISK/music/"), 2U);
  EXPECT_EQ(driveOf(drives, "/home/kimlee/"), 0U);
  EXPECT_EQ(driveOf(drives, "/etc/"), 0U);
}

class PickerFolder : public testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "멜로디");
    fs::create_directories(root_ / "sub");
    fs::create_directories(root_ / ".hidden");
    for (const char *name : {"b.txt", "A.TXT", "벨소리.pcm", "c.pcm", ".secret.txt"}) {
      std::ofstream(root_ / name) << "x";
    }
    std::ofstream(root_ / "sub" / "inner.txt") << "x";
    folder_ = normalFolder(root_.string());
  }

  TextMeaning interpret(std::string_view text, bool folderOnly = false) {
    return interpretText(text, folder_, folderOnly, root_.string());
  }

  pdx::TempDir root_;
  std::string folder_;
};

TEST_F(PickerFolder, ListsSubFoldersThenMatchingFilesSorted) {
  EXPECT_EQ(listFolder(folder_, "*.txt", false),
            (std::vector<std::string>{"<..>", "<sub>", "<멜로디>", "A.TXT", "b.txt"}));
  EXPECT_EQ(listFolder(folder_, "*.pcm", true), (std::vector<std::string>{"c.pcm", "벨소리.pcm"}));
  EXPECT_EQ(listFolder("/", "*.nothing-has-this", false).front().front(), '<');
  EXPECT_TRUE(listFolder(folder_ + "missing/", "*.*", true).empty());
}

TEST_F(PickerFolder, WildcardsBecomeThePattern) {
  const auto meaning = interpret("*.txt");
  EXPECT_EQ(meaning.action, TextAction::NewPattern);
  EXPECT_EQ(meaning.pattern, "*.txt");
  EXPECT_EQ(meaning.folder, folder_);
  EXPECT_EQ(interpret("sub/*.t?t").folder, folder_ + "sub/");
  EXPECT_EQ(interpret("").action, TextAction::Nothing);
}

TEST_F(PickerFolder, FoldersAreEnteredUnlessFolderOnly) {
  EXPECT_EQ(interpret("sub").action, TextAction::EnterFolder);
  EXPECT_EQ(interpret("sub").folder, folder_ + "sub/");
  EXPECT_EQ(interpret("멜로디").folder, folder_ + "멜로디/");
  EXPECT_EQ(interpret("..").folder, normalFolder(fs::path(root_).parent_path().string()));
  EXPECT_EQ(interpret("/").folder, "/");
  EXPECT_EQ(interpret("~").folder, folder_);
  EXPECT_EQ(interpretText("..", "/", false, "").folder, "/");
  const auto folderOnly = interpret("sub", true);
  EXPECT_EQ(folderOnly.action, TextAction::ChooseFile);
  EXPECT_EQ(checkChosenFile(folderOnly.path, kPickerOpen), FileCheck::IsFolder);
}

TEST_F(PickerFolder, FilesAnywhereYieldTheirFullPath) {
  const auto here = interpret("b.txt");
  EXPECT_EQ(here.action, TextAction::ChooseFile);
  EXPECT_EQ(here.path, folder_ + "b.txt");
  EXPECT_EQ(here.name, "b.txt");
  const auto elsewhere = interpret(folder_ + "sub/inner.txt", true);
  EXPECT_EQ(elsewhere.action, TextAction::ChooseFile);
  EXPECT_EQ(elsewhere.path, folder_ + "sub/inner.txt");
  EXPECT_EQ(elsewhere.folder, folder_ + "sub/");
  EXPECT_EQ(interpret("~/sub/inner.txt").path, folder_ + "sub/inner.txt");
  EXPECT_EQ(interpret("sub/../c.pcm").path, folder_ + "c.pcm");
  EXPECT_EQ(interpret("nowhere/x.txt").action, TextAction::NoSuchFolder);
  EXPECT_EQ(interpret("sub/").action, TextAction::EnterFolder);
  EXPECT_EQ(interpret("sub/", true).action, TextAction::NoSuchFolder);
}

TEST_F(PickerFolder, ChosenFileChecksByMode) {
  EXPECT_EQ(checkChosenFile(folder_ + "b.txt", kPickerSave), FileCheck::AskOverwrite);
  EXPECT_EQ(checkChosenFile(folder_ + "new.txt", kPickerSave), FileCheck::Accept);
  EXPECT_EQ(checkChosenFile(folder_ + "b.txt", kPickerOpen), FileCheck::Accept);
  EXPECT_EQ(checkChosenFile(folder_ + "new.txt", kPickerOpen), FileCheck::Missing);
  EXPECT_EQ(checkChosenFile(folder_ + "sub", kPickerSave), FileCheck::IsFolder);
}

} // namespace
} // namespace pdx::winlib
