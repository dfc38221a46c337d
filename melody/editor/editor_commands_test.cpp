#include "core/base/test_support.h"
#include "melody/editor/editor_commands.h"

#include <deque>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

namespace fs = std::filesystem;

// Answers the questions in order and records them.
class ScriptedUser : public EditorUser {
public:
  int ask(std::string_view text, uint32_t, int captionId) override {
    asked.emplace_back(text);
    captions.push_back(captionId);
    if (answers.empty()) {
      return kIdOk;
    }
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> pickFile(bool) override { return picked; }
  std::optional<std::string> askName(int, std::string_view) override { return name; }
  void refresh() override { ++refreshes; }
  void redraw() override { ++redraws; }
  void pause() override {}
  void notifySaved(bool outside, const std::string &path) override { saves.push_back({outside, path}); }

  std::deque<int> answers;
  std::vector<std::string> asked;
  std::vector<int> captions;
  std::optional<std::string> picked;
  std::optional<std::string> name;
  int refreshes = 0;
  int redraws = 0;
  std::vector<std::pair<bool, std::string>> saves;
};

class EditorCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir_ / "melody");
    fs::create_directories(dir_ / "elsewhere");
    doc_.setFolder(dir_ / "melody");
  }
  // A saved file outside the melody folder, opened by its full path.
  void openOutside() {
    CMelodyFile other;
    other.setFolder(dir_ / "elsewhere");
    other.New("t", "tune.pcm");
    ASSERT_EQ(other.Save(), DocResult::Ok);
    commands_.Open((dir_ / "elsewhere" / "tune.pcm").string());
    ASSERT_TRUE(doc_.movePending());
  }

  const TempDir dir_;
  CMelodyFile doc_;
  ScriptedUser user_;
  EditorCommands commands_{doc_, user_};
};

TEST_F(EditorCommandsTest, NewDocumentSaveAsksForANameAndNotifies) {
  doc_.New(std::nullopt, std::nullopt);
  user_.picked = "/somewhere/mine";
  ASSERT_TRUE(commands_.SaveCommand());
  EXPECT_EQ(doc_.path(), "mine.pcm");
  // The new name is redrawn; the melody is not shown afresh (which would
  // move the cursor and drop the selection).
  EXPECT_EQ(user_.redraws, 1);
  EXPECT_EQ(user_.refreshes, 0);
  EXPECT_TRUE(fs::exists(dir_ / "melody" / "mine.pcm"));
  ASSERT_EQ(user_.saves.size(), 1u);
  EXPECT_FALSE(user_.saves[0].first);
  // Cancelling the picker saves nothing and tells nobody.
  doc_.New(std::nullopt, std::nullopt);
  user_.picked.reset();
  EXPECT_FALSE(commands_.SaveCommand());
  EXPECT_EQ(user_.saves.size(), 1u);
}

TEST_F(EditorCommandsTest, FolderQuestionNoSavesInPlaceAndAsksAgain) {
  openOutside();
  user_.answers = {kIdNo};
  ASSERT_TRUE(commands_.SaveCommand());
  EXPECT_EQ(user_.asked, std::vector<std::string>{std::string(kFolderQuestion)});
  EXPECT_TRUE(user_.saves.back().first);
  user_.answers = {kIdCancel};
  EXPECT_FALSE(commands_.SaveCommand());
  EXPECT_EQ(user_.asked.size(), 2u);
  // Yes moves it into the folder, saving once.
  user_.answers = {kIdYes};
  ASSERT_TRUE(commands_.SaveCommand());
  EXPECT_TRUE(fs::exists(dir_ / "melody" / "tune.pcm"));
  EXPECT_FALSE(doc_.movePending());
  EXPECT_EQ(user_.saves.size(), 2u);
}

TEST_F(EditorCommandsTest, FolderQuestionWithTheNameTaken) {
  pdx::writeWholeFile(dir_ / "melody" / "tune.pcm", "x");
  openOutside();
  // Yes, then Yes to overwrite: saved under the same name, no picker.
  user_.answers = {kIdYes, kIdYes};
  ASSERT_TRUE(commands_.SaveCommand());
  EXPECT_EQ(user_.asked.back(), kOverwriteQuestion);
  EXPECT_GT(fs::file_size(dir_ / "melody" / "tune.pcm"), 100u);
}

TEST_F(EditorCommandsTest, QuestionsBeforeChangesAreLost) {
  doc_.New(std::nullopt, std::nullopt);
  // Unchanged: open goes straight to the picker; exit asks its own question.
  user_.picked.reset();
  commands_.Open(std::nullopt);
  EXPECT_TRUE(user_.asked.empty());
  user_.answers = {kIdCancel};
  EXPECT_FALSE(commands_.Exit());
  EXPECT_EQ(user_.asked.back(), kExitQuestion);
  EXPECT_EQ(user_.captions.back(), kCaptionExit);
  // Changed: the save question replaces it; Cancel keeps everything.
  doc_.Current()->SetTempo(100);
  user_.answers = {kIdCancel};
  EXPECT_FALSE(commands_.Exit());
  EXPECT_EQ(user_.asked.back(), kSaveQuestion);
  user_.answers = {kIdNo};
  EXPECT_TRUE(commands_.Exit());
  // Yes saves first; a failed save stops the command.
  user_.answers = {kIdYes};
  user_.picked = "x.pcm";
  doc_.setFolder(dir_ / "missing" / "folder");
  EXPECT_FALSE(commands_.Exit());
  EXPECT_EQ(user_.asked.back(), kSaveFailureMessage);
}

TEST_F(EditorCommandsTest, NewFileChecksAnExistingFile) {
  pdx::writeWholeFile(dir_ / "melody" / "song.pcm", "x");
  user_.name = "song";
  user_.answers = {kIdCancel};
  commands_.NewFile();
  EXPECT_EQ(user_.asked.back(), kFileExistsQuestion);
  EXPECT_NE(doc_.path(), "song.pcm");
  user_.answers = {kIdOk};
  commands_.NewFile();
  EXPECT_EQ(doc_.path(), "song.pcm");
  EXPECT_EQ(doc_.title().view(), "song");
  EXPECT_FALSE(doc_.askNameOnSave());
}

TEST_F(EditorCommandsTest, MelodyCommands) {
  doc_.New(std::nullopt, std::nullopt);
  EXPECT_FALSE(commands_.DeleteMelody());
  EXPECT_EQ(user_.asked.back(), kLastMelody);
  user_.name = "둘째";
  EXPECT_EQ(commands_.NewMelody(), 1);
  EXPECT_FALSE(commands_.NewMelody());
  EXPECT_EQ(user_.asked.back(), kDuplicateName);
  doc_.SetCurrent(1);
  const size_t before = user_.asked.size();
  EXPECT_FALSE(commands_.RenameMelody()); // its own name: nothing shown
  EXPECT_EQ(user_.asked.size(), before);
  user_.name = "셋째";
  EXPECT_EQ(commands_.RenameMelody(), 1);
  user_.answers = {kIdOk};
  EXPECT_TRUE(commands_.DeleteMelody());
  EXPECT_EQ(doc_.size(), 1);
}

TEST_F(EditorCommandsTest, OpenFailuresLeaveANewDocument) {
  pdx::writeWholeFile(dir_ / "melody" / "junk.pcm", "x");
  commands_.Open("junk.pcm");
  EXPECT_EQ(user_.asked.back(), "멜로디 파일이 아닙니다.");
  EXPECT_EQ(doc_.path(), CMelodyFile::defaultPath());
  pdx::writeWholeFile(dir_ / "bad.mid", "x");
  commands_.Open((dir_ / "bad.mid").string());
  EXPECT_EQ(user_.asked.back(), "MIDI 파일이 아닙니다.");
}

TEST_F(EditorCommandsTest, MidiOpensAsAMelodyNamedAfterItsTrackOrElseItsFile) {
  const std::string header = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0};
  const std::string name = {0, '\xFF', 3, 3, 'a', 'b', 'c'};
  const std::string notes = {0, '\x90', 72, 90, 96, '\x80', 72, 0, 0, '\xFF', 0x2F, 0};
  for (const auto &[file, track, expected] :
       {std::tuple{"named.mid", name + notes, "abc"}, std::tuple{"tune.mid", notes, "tune"}}) {
    std::ofstream(dir_ / file, std::ios::binary) << header << static_cast<char>(track.size()) << track;
    user_.answers = {kIdNo}; // do not save the melody opened before
    commands_.Open((dir_ / file).string());
    EXPECT_EQ(doc_.Current()->name().view(), expected);
    EXPECT_EQ(doc_.Current()->count(), 1);
  }
}

TEST_F(EditorCommandsTest, RingtoneTextOpensAsANewDocumentOfItsMelodies) {
  const fs::path text = dir_ / "tones.TXT";
  std::ofstream(text) << "bad\nOne:d=4,o=5,b=120:c,e\nTwo:d=8:g\n";
  commands_.Open(text.string());
  ASSERT_EQ(doc_.size(), 2);
  EXPECT_EQ(doc_.at(1).name().view(), "Two");
  EXPECT_EQ(doc_.path(), CMelodyFile::defaultPath());
  EXPECT_TRUE(doc_.IsModified());
  EXPECT_EQ(user_.asked.back(), "1행: 벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표).");
  std::ofstream(text) << "nothing here";
  user_.answers = {kIdNo};
  commands_.Open(text.string());
  EXPECT_EQ(doc_.size(), 2);
  EXPECT_EQ(user_.asked.back(), "벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표).");
}

} // namespace
} // namespace pdx::melody
