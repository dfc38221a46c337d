#include "core/base/virtual_event_loop.h"
#include "features/animations/animation_test_files.h"
#include "features/animations/ui/animation_page.h"
#include "features/animations/ui/picture_view.h"
#include "features/common/media_fakes.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"

#include <QCheckBox>
#include <QTest>
#include <gmock/gmock.h>
#include <unistd.h>

namespace pdx::features {
namespace {

namespace fs = std::filesystem;
using Page = CAnimationPage;

class AnimationPageTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pdx-animation-page-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ASSERT_TRUE(testing::writeAnimationFile(folder_, "그림.pca", 3, 14));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<Page> open() {
    auto page = std::make_unique<Page>(MediaPageContext{folder_, phone_, starter_, loop_, {}, &user_});
    page->show();
    return page;
  }
  static QPoint areaCentre(Page &page, int k) {
    return page.mapToGlobal(Page::kSlotAreas[static_cast<size_t>(k)].center());
  }

  fs::path folder_;
  VirtualEventLoop loop_;
  testing::FakeMediaPhone phone_;
  testing::FakeMediaUser user_;
  testing::FakeStarter starter_;
};

TEST_F(AnimationPageTest, DropsOnTheSecondSlotAreaSendToPhoneSlotTwoAndFillItsPreview) {
  auto page = open();
  for (int k = 0; k < kAnimationSlots; ++k) {
    EXPECT_FALSE(page->slotView(k)->hasPicture());
  }
  EXPECT_TRUE(page->preview()->hasPicture());
  EXPECT_FALSE(page->isValidDropTarget(page->mapToGlobal(QPoint(395, 100)), 0, 0));
  ASSERT_TRUE(page->isValidDropTarget(areaCentre(*page, 1), 2, 0));
  page->dropAt(areaCentre(*page, 1), 2, 0, Qt::NoModifier);
  ASSERT_EQ(phone_.animations.size(), 1u);
  EXPECT_EQ(phone_.animations[0][0], 2);
  EXPECT_EQ(phone_.animations[0][1], '2');
  EXPECT_TRUE(page->slotView(1)->hasPicture());
  EXPECT_FALSE(page->slotView(2)->hasPicture());
  // Key 3 sends the chosen one from the third preview: phone slot 1. A
  // refused send leaves that preview empty.
  phone_.accept = false;
  QTest::keyClick(page->animations(), Qt::Key_3);
  EXPECT_EQ(phone_.animations.back()[0], 1);
  EXPECT_FALSE(page->slotView(2)->hasPicture());
  EXPECT_EQ(user_.told.size(), 1u);
}

TEST_F(AnimationPageTest, PreviewRunsUntilStoppedOrThePageIsLeft) {
  auto page = open();
  EXPECT_THAT(winlib::testing::accessibilityProblems(page.get()), ::testing::IsEmpty());
  page->OnCommand(Page::kPreview, 0);
  EXPECT_TRUE(page->logic().previewRunning());
  EXPECT_NE(page->button(Page::kStopPreview)->State(), winlib::ButtonState::Disabled);
  page->OnCommand(Page::kStopPreview, 0);
  EXPECT_FALSE(page->logic().previewRunning());
  page->effectSwitch()->setChecked(false);
  page->OnCommand(Page::kPreview, 0);
  EXPECT_FALSE(page->logic().previewRunning());
  page->effectSwitch()->setChecked(true);
  QTest::keyClick(page->animations(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(page->logic().previewRunning());
  page->hide();
  EXPECT_FALSE(page->logic().previewRunning());
}

} // namespace
} // namespace pdx::features
