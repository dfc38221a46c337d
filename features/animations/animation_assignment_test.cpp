#include "core/base/cp949.h"
#include "core/base/virtual_event_loop.h"
#include "features/animations/animation_assignment.h"
#include "features/animations/animation_test_files.h"
#include "features/common/media_fakes.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace pdx::features {
namespace {

namespace fs = std::filesystem;

class AnimationPageLogic : public ::testing::Test {
protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    logic_.onPictureChanged([this] { ++redraws_; });
  }
  void TearDown() override { fs::remove_all(folder_); }

  void write(const std::string &file, int count, uint16_t effect) {
    ASSERT_TRUE(testing::writeAnimationFile(folder_, file, count, effect));
  }

  // Set before the page logic below is built on it.
  fs::path folder_ = fs::temp_directory_path() / ("pdx-animations-" + std::to_string(::getpid()));
  VirtualEventLoop loop_;
  animation::SystemRandom random_{7};
  testing::FakeMediaPhone phone_;
  testing::FakeMediaUser user_;
  testing::FakeStarter starter_;
  AnimationAssignment logic_{folder_, phone_, user_, starter_, loop_, random_};
  int redraws_ = 0;
};

TEST_F(AnimationPageLogic, SlotPreviewsSendToPhoneSlotsZeroTwoOne) {
  write("pics.pca", 3, 4);
  logic_.open();
  for (int preview = 0; preview < kAnimationSlots; ++preview) {
    EXPECT_FALSE(logic_.slot(preview).has_value()); // empty when the page opens
    logic_.catalog().chooseItem(preview);
    ASSERT_TRUE(logic_.send(preview));
  }
  ASSERT_EQ(phone_.animations.size(), 3u);
  for (int preview = 0; preview < kAnimationSlots; ++preview) {
    const std::vector<uint8_t> &payload = phone_.animations[static_cast<size_t>(preview)];
    ASSERT_EQ(payload.size(), 631u);
    const int phoneSlot[] = {0, 2, 1};
    EXPECT_EQ(payload[0], phoneSlot[preview]);
    EXPECT_EQ(payload[1], '0' + preview);
    EXPECT_EQ(payload[18], 5);               // effect 4, sent plus one
    EXPECT_EQ(payload[19], 0x80 >> preview); // row 0, columns 0..7
    ASSERT_TRUE(logic_.slot(preview).has_value());
    EXPECT_TRUE(logic_.slot(preview)->pixel(preview, 0));
  }
}

TEST_F(AnimationPageLogic, ARefusedSendTellsTheUserAndLeavesTheSlotEmpty) {
  write("pics.pca", 1, 0);
  logic_.open();
  phone_.accept = false;
  EXPECT_FALSE(logic_.send(1));
  EXPECT_FALSE(logic_.slot(1).has_value());
  EXPECT_EQ(user_.told, (std::vector<std::pair<std::string, bool>>{{kAnimationSendFailure, false}}));
}

TEST_F(AnimationPageLogic, PreviewPlaysTheEffectEvery150msThenShowsThePicture) {
  write("pics.pca", 1, 5); // grows from the top in 14 frames
  logic_.open();
  ASSERT_NE(logic_.previewPicture(), nullptr);
  EXPECT_TRUE(logic_.previewPicture()->pixel(0, 0));
  logic_.preview();
  EXPECT_TRUE(logic_.previewRunning());
  loop_.advance(Millis(150 * 12));
  EXPECT_TRUE(logic_.previewRunning());
  loop_.advance(Millis(150));
  EXPECT_FALSE(logic_.previewRunning());
  EXPECT_TRUE(logic_.previewPicture()->pixel(0, 0));
  // A never-ending effect stops on any command; with effects off the
  // preview shows the plain picture.
  write("pics.pca", 1, 14);
  logic_.preview();
  loop_.advance(Millis(150 * 40));
  EXPECT_TRUE(logic_.previewRunning());
  logic_.startEditor();
  EXPECT_FALSE(logic_.previewRunning());
  logic_.setEffects(false);
  logic_.preview();
  EXPECT_FALSE(logic_.previewRunning());
  EXPECT_GT(redraws_, 14);
}

TEST_F(AnimationPageLogic, TheEditorsMessageAddsANewFileAndTheEditorStartsByName) {
  write("b.pca", 1, 0);
  logic_.open();
  EXPECT_EQ(logic_.onProgramMessage(kMsgMelodySaved), CatalogChange::Nothing);
  write("a.pca", 2, 0);
  EXPECT_EQ(logic_.onProgramMessage(kMsgAnimationSaved), CatalogChange::Everything);
  EXPECT_EQ(logic_.catalog().files().size(), 2u);
  EXPECT_EQ(logic_.catalog().chosenFile(), 1); // still "b"
  starter_.answer = "애니메이션 편집기 실행파일을 찾을 수 없습니다";
  logic_.startEditor();
  EXPECT_EQ(starter_.started.at(0), (std::pair<std::string, std::string>{"Velluto", "애니메이션 편집기"}));
  EXPECT_EQ(user_.told, (std::vector<std::pair<std::string, bool>>{{starter_.answer, true}}));
}

} // namespace
} // namespace pdx::features
