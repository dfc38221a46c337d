#include "core/base/virtual_event_loop.h"
#include "features/common/media_fakes.h"
#include "features/melodies/melody_test_files.h"
#include "features/melodies/ui/melody_page.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"

#include <QKeyEvent>
#include <QTest>
#include <cstring>
#include <gmock/gmock.h>
#include <unistd.h>

namespace pdx::features {
namespace {

namespace fs = std::filesystem;
using Page = CMelodyPage;

class MelodyPageTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pdx-melody-page-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ASSERT_TRUE(
        testing::writeMelodyFile(folder_, "곡.pcm", {{"하나", testing::kDoReMi}, {"둘", testing::kDoReMi}}));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<Page> open() {
    auto page = std::make_unique<Page>(
        MediaPageContext{
            folder_, phone_, starter_, loop_, {[this] { ++help_; }, [this] { ++back_; }, {}}, &user_},
        [] { return nullptr; });
    page->show();
    return page;
  }
  static QPoint centreOf(Page &page, Page::Command command) {
    winlib::CBmpButton *b = page.button(command);
    return b->mapToGlobal(b->rect().center());
  }
  // The melody name a payload carries (UTF-8).
  static std::string nameIn(const std::vector<uint8_t> &payload) {
    const auto *bytes = reinterpret_cast<const char *>(payload.data() + 1);
    return text::toUtf8(std::string(bytes, ::strnlen(bytes, 16)));
  }

  fs::path folder_;
  VirtualEventLoop loop_;
  testing::FakeMediaPhone phone_;
  testing::FakeMediaUser user_;
  testing::FakeStarter starter_;
  int back_ = 0;
  int help_ = 0;
};

TEST_F(MelodyPageTest, KeysInTheListSendPlayStopLeaveAndStartTheEditor) {
  auto page = open();
  ASSERT_EQ(page->melodies()->rowCount(), 2);
  page->melodies()->selectRow(1); // "하나" (둘 sorts first)
  QTest::keyClick(page->melodies(), Qt::Key_2);
  ASSERT_EQ(phone_.melodies.size(), 1u);
  EXPECT_EQ(phone_.melodies[0][0], 1); // key 2: slot number 1
  EXPECT_EQ(nameIn(phone_.melodies[0]), "하나");
  QTest::keyClick(page->melodies(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(page->logic().playing());
  EXPECT_TRUE(page->button(Page::kStop)->isVisible());
  EXPECT_FALSE(page->button(Page::kPlay)->isVisible());
  QTest::keyClick(page->melodies(), Qt::Key_Escape); // stops, and stays
  EXPECT_FALSE(page->logic().playing());
  EXPECT_TRUE(page->button(Page::kPlay)->isVisible());
  QTest::keyClick(page->files(), Qt::Key_Return);
  EXPECT_TRUE(page->logic().playing());
  QTest::keyClick(page->melodies(), Qt::Key_E, Qt::ControlModifier); // every command stops first
  EXPECT_FALSE(page->logic().playing());
  EXPECT_EQ(starter_.started.size(), 1u);
  QTest::keyClick(page->melodies(), Qt::Key_F1);
  EXPECT_EQ(help_, 1);
  EXPECT_EQ(back_, 0);
  QTest::keyClick(page->melodies(), Qt::Key_Escape);
  EXPECT_EQ(back_, 1);
}

TEST_F(MelodyPageTest, DropsOnPlayAndSlotButtonsRunThemWithTheDraggedMelody) {
  auto page = open();
  EXPECT_FALSE(page->isValidDropTarget(page->melodies()->mapToGlobal(QPoint(5, 5)), 0, 0));
  ASSERT_TRUE(page->isValidDropTarget(centreOf(*page, Page::kPlay), 1, 0));
  page->dropAt(centreOf(*page, Page::kPlay), 1, 0, Qt::NoModifier);
  EXPECT_TRUE(page->logic().playing());
  EXPECT_EQ(page->melodies()->currentRow(), 1);
  page->dropAt(centreOf(*page, Page::kSlot3), 0, 0, Qt::NoModifier);
  EXPECT_FALSE(page->logic().playing());
  ASSERT_EQ(phone_.melodies.size(), 1u);
  EXPECT_EQ(phone_.melodies[0][0], 2);
  EXPECT_EQ(nameIn(phone_.melodies[0]), "둘");
}

TEST_F(MelodyPageTest, LeavingThePageStopsPlayingAndMessagesRefillTheLists) {
  auto page = open();
  page->OnCommand(Page::kPlay, 0);
  ASSERT_TRUE(page->logic().playing());
  page->hide();
  EXPECT_FALSE(page->logic().playing());

  ASSERT_TRUE(testing::writeMelodyFile(folder_, "가곡.pcm", {{"셋", testing::kDoReMi}}));
  page->OnProgramMessage(kMsgAnimationSaved);
  EXPECT_EQ(page->files()->rowCount(), 1);
  page->OnProgramMessage(kMsgMelodySaved);
  EXPECT_EQ(page->files()->rowCount(), 2);
  EXPECT_EQ(page->files()->currentRow(), 1); // still "곡"
  EXPECT_EQ(page->melodies()->rowCount(), 2);
}

TEST_F(MelodyPageTest, AnEmptyFolderLeavesPlayAndSendsOffAndEveryControlIsNamed) {
  fs::remove(folder_ / "곡.pcm");
  auto page = open();
  EXPECT_EQ(page->files()->rowCount(), 0);
  for (Page::Command command : {Page::kPlay, Page::kSlot1, Page::kSlot2, Page::kSlot3}) {
    EXPECT_EQ(page->button(command)->State(), winlib::ButtonState::Disabled);
  }
  QTest::keyClick(page->melodies(), Qt::Key_1);
  page->OnCommand(Page::kPlay, 0);
  EXPECT_TRUE(phone_.melodies.empty());
  EXPECT_FALSE(page->logic().playing());
  EXPECT_THAT(winlib::testing::accessibilityProblems(page.get()), ::testing::IsEmpty());
}

} // namespace
} // namespace pdx::features
