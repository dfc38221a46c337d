#include "core/base/cp949.h"
#include "core/base/virtual_event_loop.h"
#include "features/common/media_fakes.h"
#include "features/melodies/melody_assignment.h"
#include "features/melodies/melody_test_files.h"
#include "melody/file/test_melodies.h"
#include "melody/player/recording_output.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pdx::features {
namespace {

namespace fs = std::filesystem;
using melody::NoteEntry;
using melody::testing::note;
using Bytes = std::vector<uint8_t>;

class MelodyPageLogic : public ::testing::Test {
protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    logic_.onPlayingChanged([this](bool on) { playingChanges_.push_back(on); });
  }
  void TearDown() override { fs::remove_all(folder_); }

  void write(const std::string &file, const std::vector<testing::Tune> &tunes) {
    ASSERT_TRUE(testing::writeMelodyFile(folder_, file, tunes));
  }
  std::vector<std::string> fileLabels() {
    std::vector<std::string> out;
    for (int i = 0; i < static_cast<int>(logic_.catalog().files().size()); ++i) {
      out.push_back(logic_.catalog().fileLabel(i));
    }
    return out;
  }
  std::vector<std::pair<std::string, int>> items() {
    std::vector<std::pair<std::string, int>> out;
    for (const CatalogItem &item : logic_.catalog().items()) {
      out.emplace_back(text::toUtf8(item.name), item.index);
    }
    return out;
  }

  // Set before the page logic below is built on it.
  fs::path folder_ = fs::temp_directory_path() / ("pdx-melodies-" + std::to_string(::getpid()));
  VirtualEventLoop loop_;
  std::shared_ptr<melody::RecordingOutput> output_ = std::make_shared<melody::RecordingOutput>(loop_);
  BackgroundPlayer player_{loop_, [this] { return output_; }};
  testing::FakeMediaPhone phone_;
  testing::FakeMediaUser user_;
  testing::FakeStarter starter_;
  MelodyAssignment logic_{folder_, phone_, user_, starter_, player_};
  std::vector<bool> playingChanges_;
};

const std::vector<NoteEntry> &kCDE = testing::kDoReMi;

TEST_F(MelodyPageLogic, ListsTheFilesThatLoadByteWiseAndTheMelodiesByName) {
  write("b.pcm", {{"다", kCDE}, {"가", kCDE}, {"나", kCDE}});
  write("B.PCM", {{"x", kCDE}});
  write("a b.pcm", {{"y", kCDE}});
  std::ofstream(folder_ / "broken.pcm") << "not a melody file";
  std::ofstream(folder_ / ".hidden.pcm") << "";
  std::ofstream(folder_ / "notes.txt") << "";
  fs::create_directory(folder_ / "folder.pcm");
  ASSERT_EQ(::mkfifo((folder_ / "pipe.pcm").c_str(), 0600), 0); // never opened: it would block
  logic_.open();
  EXPECT_EQ(fileLabels(), (std::vector<std::string>{"B", "a b", "b"}));
  logic_.catalog().chooseFile(2);
  EXPECT_EQ(items(), (std::vector<std::pair<std::string, int>>{{"가", 1}, {"나", 2}, {"다", 0}}));
  EXPECT_EQ(logic_.catalog().chosenItem(), 0);
}

TEST_F(MelodyPageLogic, SendsThePhoneEncodingOfTheChosenMelodyToTheSlot) {
  write("tunes.pcm", {{"도레미", kCDE}, {"마디만", {{0, melody::kBarLine}}}});
  logic_.open();
  ASSERT_TRUE(logic_.send(1));
  ASSERT_EQ(phone_.melodies.size(), 1u);
  const Bytes &payload = phone_.melodies[0];
  EXPECT_EQ(payload[0], 1);
  EXPECT_EQ(Bytes(payload.begin() + 19, payload.end()), (Bytes{0, 6, 7, 19, 21, 9, 23, 2, 0}));
  logic_.catalog().chooseItem(1);
  ASSERT_TRUE(logic_.send(2));
  EXPECT_EQ(Bytes(phone_.melodies[1].begin() + 19, phone_.melodies[1].end()), (Bytes{0, 1, 2, 0}));
  EXPECT_TRUE(user_.told.empty());
}

TEST_F(MelodyPageLogic, AFailedSendTellsTheUser) {
  write("tunes.pcm", {{"하나", kCDE}, {"둘", kCDE}});
  logic_.open();
  phone_.accept = false;
  EXPECT_FALSE(logic_.send(0));
  phone_.accept = true;
  // The file changed behind the list: the melody shown is still found by
  // its name; one that is gone is never replaced by another.
  write("tunes.pcm", {{"셋", kCDE}, {"하나", {note(250, 3, 0)}}});
  ASSERT_EQ(text::toUtf8(logic_.catalog().chosen()->name), "둘");
  EXPECT_FALSE(logic_.send(0));
  logic_.catalog().chooseItem(1);
  ASSERT_TRUE(logic_.send(0));
  EXPECT_EQ(phone_.melodies.back()[21], 11); // the eighth of the new "하나"
  fs::remove(folder_ / "tunes.pcm");
  EXPECT_FALSE(logic_.send(0));
  logic_.play();
  EXPECT_EQ(user_.told, (std::vector<std::pair<std::string, bool>>{{kMelodySendFailure, false},
                                                                   {kMelodySendFailure, false},
                                                                   {kMelodySendFailure, false},
                                                                   {kMelodyPlayFailure, false}}));
  EXPECT_EQ(phone_.melodies.size(), 2u);
}

TEST_F(MelodyPageLogic, PlayingReturnsAtOnceAndEndsAtTheMelodysEndOrOnAnyCommand) {
  write("tunes.pcm", {{"도레미", kCDE}});
  logic_.open();
  logic_.play();
  EXPECT_TRUE(logic_.playing());
  EXPECT_TRUE(output_->events().empty()); // nothing sounded before the caller returned
  loop_.drainPosted();
  EXPECT_EQ(output_->tones(), (std::vector<unsigned>{523, 587, 659}));
  EXPECT_EQ(loop_.now(), Millis(1250));
  EXPECT_FALSE(logic_.playing());
  EXPECT_EQ(playingChanges_, (std::vector<bool>{true, false}));

  // A send while a note sounds silences it and the melody goes no further.
  output_->clear();
  logic_.play();
  loop_.startTimer(Millis(100), false, [this] { EXPECT_TRUE(logic_.send(0)); });
  loop_.drainPosted();
  EXPECT_EQ(output_->tones(), (std::vector<unsigned>{523}));
  EXPECT_EQ(playingChanges_, (std::vector<bool>{true, false, true, false}));
  // Stopped before its turn came, a melody never sounds.
  output_->clear();
  logic_.play();
  logic_.stop();
  loop_.drainPosted();
  EXPECT_TRUE(output_->tones().empty());
}

TEST_F(MelodyPageLogic, StartsTheEditorAndTellsWhyItCouldNot) {
  starter_.answer = "멜로디 편집기 실행파일을 찾을 수 없습니다";
  logic_.startEditor();
  EXPECT_EQ(starter_.started,
            (std::vector<std::pair<std::string, std::string>>{{"Carrowin", "멜로디 편집기"}}));
  EXPECT_EQ(user_.told, (std::vector<std::pair<std::string, bool>>{{starter_.answer, true}}));
}

TEST_F(MelodyPageLogic, TheEditorsMessageRescansKeepingTheChoice) {
  write("b.pcm", {{"가", kCDE}, {"나", kCDE}});
  logic_.open();
  logic_.catalog().chooseItem(1);
  EXPECT_EQ(logic_.onProgramMessage(kMsgMelodySaved), CatalogChange::Nothing);
  EXPECT_EQ(logic_.onProgramMessage(kMsgAnimationSaved), CatalogChange::Nothing);
  write("a.pcm", {{"새", kCDE}});
  EXPECT_EQ(logic_.onProgramMessage(kMsgMelodySaved), CatalogChange::Everything);
  EXPECT_EQ(fileLabels(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(logic_.catalog().chosenFile(), 1);
  EXPECT_EQ(text::toUtf8(logic_.catalog().chosen()->name), "나");
  write("b.pcm", {{"나", kCDE}, {"가", kCDE}, {"다", kCDE}});
  EXPECT_EQ(logic_.onProgramMessage(kMsgMelodySaved), CatalogChange::Items);
  EXPECT_EQ(items(), (std::vector<std::pair<std::string, int>>{{"가", 1}, {"나", 0}, {"다", 2}}));
  EXPECT_EQ(text::toUtf8(logic_.catalog().chosen()->name), "나");
  // The same number of files, one renamed: everything anew.
  fs::rename(folder_ / "a.pcm", folder_ / "c.pcm");
  EXPECT_EQ(logic_.onProgramMessage(kMsgMelodySaved), CatalogChange::Everything);
  EXPECT_EQ(fileLabels(), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(logic_.catalog().chosenFile(), 0);
}

} // namespace
} // namespace pdx::features
