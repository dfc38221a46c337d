#include "core/base/test_support.h"
#include "winlib/picker/ui/picker_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {
namespace fs = std::filesystem;

class PickerControlsTest : public testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "하위폴더");
    std::ofstream(root_ / "노래.pcm") << "x";
    std::ofstream(root_ / "memo.txt") << "x";
    home_ = normalFolder(root_.string());
    pickerStartFolders() = {home_, home_};
    dialog_.resize(300, 350);
  }
  void TearDown() override { pickerStartFolders() = {}; }

  PickerSession session(int options) {
    return PickerSession(kPickerOpen, "*.pcm", options, home_, {{"[-/-]", "/"}, {"[-홈-]", home_}});
  }

  pdx::TempDir root_;
  std::string home_;
  QWidget dialog_;
};

TEST_F(PickerControlsTest, PlacesTheControlsAndShowsTheFolder) {
  auto picker = session(0);
  PickerControls controls(dialog_, picker);
  EXPECT_EQ(controls.nameField().geometry(), QRect(25, 70, 250, 20));
  EXPECT_EQ(controls.fileList().geometry(), QRect(25, 95, 250, 165));
  EXPECT_EQ(controls.nameField().text(), QString("*.pcm"));
  EXPECT_EQ(controls.nameField().selectedText(), QString("*.pcm"));
  ASSERT_EQ(controls.fileList().count(), 3);
  EXPECT_EQ(controls.fileList().item(0)->text(), QString("<..>"));
  EXPECT_EQ(controls.fileList().item(1)->text(), QString("<하위폴더>"));
  EXPECT_EQ(controls.fileList().item(2)->text(), QString("노래.pcm"));
  ASSERT_NE(controls.driveList(), nullptr);
  EXPECT_EQ(controls.driveList()->count(), 2);
  EXPECT_EQ(controls.driveList()->currentText(), QString("[-홈-]"));
  EXPECT_EQ(dialog_.findChild<QLineEdit *>("5211"), &controls.nameField());
}

TEST_F(PickerControlsTest, SelectionFillsTheFieldAndIsReportedAsAreDoubleClicksAndDrives) {
  auto picker = session(0);
  PickerControls controls(dialog_, picker);
  QSignalSpy activated(&controls, &PickerControls::itemActivated);
  QSignalSpy selected(&controls, &PickerControls::itemSelected);
  QSignalSpy drive(&controls, &PickerControls::driveChosen);
  controls.fileList().setCurrentRow(1);
  EXPECT_EQ(controls.nameField().text(), QString("하위폴더"));
  controls.fileList().setCurrentRow(2);
  EXPECT_EQ(controls.nameField().text(), QString("노래.pcm"));
  ASSERT_EQ(selected.count(), 2);
  EXPECT_EQ(selected.at(1).at(0).toString(), QString("노래.pcm"));
  Q_EMIT controls.fileList().itemDoubleClicked(controls.fileList().item(1));
  ASSERT_EQ(activated.count(), 1);
  EXPECT_EQ(activated.at(0).at(0).toString(), QString("<하위폴더>"));
  EXPECT_EQ(controls.itemForEnter(), QString()); // the list does not have the focus
  Q_EMIT controls.driveList()->activated(1);     // the drive already shown
  EXPECT_EQ(drive.count(), 0);
  Q_EMIT controls.driveList()->activated(0);
  ASSERT_EQ(drive.count(), 1);
  EXPECT_EQ(drive.at(0).at(0).toInt(), 0);
}

} // namespace
} // namespace pdx::winlib
