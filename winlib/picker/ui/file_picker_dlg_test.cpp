#include "core/base/test_support.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/picker/ui/file_picker_dlg.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/type_text.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {
namespace fs = std::filesystem;

QStringList listed(const QWidget &dialog) {
  QStringList items;
  const auto *list = dialog.findChild<QListWidget *>("5212");
  for (int i = 0; list != nullptr && i < list->count(); ++i) {
    items << list->item(i)->text();
  }
  return items;
}

// The newest open message box, or null.
CBmpMessageBox *openMessageBox() {
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (auto *box = qobject_cast<CBmpMessageBox *>(widget); box != nullptr && box->IsRunning()) {
      return box;
    }
  }
  return nullptr;
}

class FilePickerTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "melody");
    for (const char *name : {"memo.txt", "노트.txt", "song.pcm", "melody/tune.pcm"}) {
      std::ofstream(root_ / name) << "x";
    }
    folder_ = QString::fromStdString(normalFolder(root_.string()));
    CFilePickerDlg::SetStartFolder(folder_);
    CFilePickerDlg::SetAlternateStartFolder(folder_ + "melody/");
  }
  void TearDown() override {
    CFilePickerDlg::SetStartFolder(QString());
    CFilePickerDlg::SetAlternateStartFolder(QString());
  }

  // Runs the picker; each step runs in turn on the open dialog, one event
  // loop pass apart, so that a step may open a message box that the next
  // step answers.
  int run(int mode, const QString &pattern, int options, std::deque<std::function<void()>> steps) {
    next(std::move(steps));
    return picker_.DoModal(60, 70, nullptr, mode, pattern, options);
  }
  void next(std::deque<std::function<void()>> steps) {
    if (steps.empty()) {
      return;
    }
    QTimer::singleShot(0, [this, steps]() mutable {
      auto step = std::move(steps.front());
      steps.pop_front();
      next(std::move(steps));
      step();
    });
  }
  // Types `text` over the name field and presses Enter.
  void enter(const QString &text) {
    auto *field = picker_.findChild<QLineEdit *>("5211");
    field->selectAll();
    field->del();
    ASSERT_TRUE(testing::typeText(field, text));
    QTest::keyClick(field, Qt::Key_Return);
  }
  // Answers the open message box with `result` after checking its icon and
  // its number of buttons.
  void answer(MessageBoxIcon icon, size_t buttons, int result) {
    CBmpMessageBox *box = openMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Layout().icon, icon);
    EXPECT_EQ(box->Layout().buttons.size(), buttons);
    ++answered_;
    box->EndDialog(result);
  }

  pdx::TempDir root_;
  QString folder_;
  CFilePickerDlg picker_;
  int answered_ = 0;
};

// The controls' places and content are the controls' own; the dialog puts
// them at its corner, passes the check and ends on its Cancel button.
TEST_F(FilePickerTest, OpensAtItsCornerWithTheNameFieldFocusedAndCancels) {
  const int result = run(CFilePickerDlg::kOpen, "*.pcm", 0, {[&] {
                           EXPECT_EQ(picker_.geometry(), QRect(60, 70, 300, 350));
                           EXPECT_THAT(testing::accessibilityProblems(&picker_), ::testing::IsEmpty());
                           EXPECT_EQ(picker_.focusWidget(), picker_.findChild<QLineEdit *>("5211"));
                           EXPECT_EQ(listed(picker_), (QStringList{"<..>", "<melody>", "song.pcm"}));
                           const auto buttons = picker_.findChildren<CBmpButton *>();
                           ASSERT_EQ(buttons.size(), 2);
                           EXPECT_EQ(buttons[0]->pos(), QPoint(165, 305));
                           EXPECT_EQ(buttons[1]->pos(), QPoint(235, 305));
                           QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
                         }});
  EXPECT_EQ(result, kIdCancelCommand);
  EXPECT_EQ(picker_.ChosenPath(), QString());
}

TEST_F(FilePickerTest, SaveAsksBeforeOverwritingAndCancelKeepsTheDialogOpen) {
  const int result =
      run(CFilePickerDlg::kSave, "*.txt", 0,
          {[&] { enter("memo"); }, [&] { answer(MessageBoxIcon::Question, 2, kIdCancelCommand); },
           [&] {
             EXPECT_TRUE(picker_.IsRunning());
             enter("노트");
           },
           [&] { answer(MessageBoxIcon::Question, 2, kIdOkCommand); }});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(answered_, 2);
  EXPECT_EQ(picker_.ChosenPath(), folder_ + "노트.txt");
  EXPECT_EQ(picker_.FileName(), QString("노트.txt"));
}

TEST_F(FilePickerTest, FolderOnlyModeKeepsItsFolderButAcceptsFullPaths) {
  const QString elsewhere = folder_ + "melody/tune.pcm";
  const int result = run(CFilePickerDlg::kSave, "*.pcm", kPickerFolderOnly,
                         {[&] {
                            EXPECT_EQ(picker_.findChild<QComboBox *>(), nullptr);
                            EXPECT_EQ(listed(picker_), (QStringList{"song.pcm"}));
                            enter("melody/");
                          },
                          [&] { answer(MessageBoxIcon::Exclamation, 1, kIdOkCommand); },
                          [&] {
                            EXPECT_EQ(picker_.Folder(), folder_);
                            enter(elsewhere);
                          },
                          [&] { answer(MessageBoxIcon::Question, 2, kIdOkCommand); }});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(picker_.ChosenPath(), elsewhere);
  EXPECT_EQ(picker_.FileName(), QString("tune.pcm"));
}

TEST_F(FilePickerTest, DoubleClickingAFolderOpensItAndAFileChoosesIt) {
  const int result =
      run(CFilePickerDlg::kOpen, "*.pcm", 0, {[&] {
            auto *list = picker_.findChild<QListWidget *>("5212");
            Q_EMIT list->itemDoubleClicked(list->item(1)); // <melody>
            EXPECT_EQ(picker_.Folder(), folder_ + "melody/");
            EXPECT_EQ(listed(picker_), (QStringList{"<..>", "tune.pcm"}));
            Q_EMIT list->itemDoubleClicked(list->findItems("tune.pcm", Qt::MatchExactly).at(0));
          }});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(picker_.ChosenPath(), folder_ + "melody/tune.pcm");
}

TEST_F(FilePickerTest, SystemDrivesStartWithTheRootAndTheHomeFolder) {
  const auto drives = CFilePickerDlg::SystemDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives[0].label, "[-/-]");
  EXPECT_EQ(drives[0].path, "/");
  if (QDir::homePath() != QStringLiteral("/")) {
    ASSERT_GE(drives.size(), 2U);
    EXPECT_EQ(drives[1].label, "[-홈-]");
    EXPECT_EQ(QString::fromStdString(drives[1].path), QDir::homePath() + "/");
  }
}

} // namespace
} // namespace pdx::winlib
