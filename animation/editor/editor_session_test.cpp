#include "animation/editor/editor_session.h"
#include "core/base/cp949.h"
#include "core/base/message_box_codes.h"
#include "core/base/test_support.h"

#include <deque>
#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

namespace fs = std::filesystem;

// Answers from a script and records every question.
class ScriptedPorts : public EditorPorts {
public:
  int Ask(const std::string &text, uint32_t, AskCaption caption) override {
    asked.push_back(text);
    captions.push_back(caption);
    if (answers.empty()) {
      return kIdCancel;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> PickSaveName() override { return take(saveNames); }
  std::optional<std::string> PickOpenPath() override { return take(openPaths); }
  std::optional<std::string> AskFileName() override { return take(fileNames); }
  std::optional<std::string> AskAnimationName(const std::string &, bool) override { return take(names); }
  void Saved(bool, const std::string &path) override { saved.push_back(path); }

  static std::optional<std::string> take(std::deque<std::string> &from) {
    if (from.empty()) {
      return std::nullopt;
    }
    std::string next = from.front();
    from.pop_front();
    return next;
  }

  std::deque<int> answers;
  std::deque<std::string> saveNames, openPaths, fileNames, names;
  std::vector<std::string> asked;
  std::vector<AskCaption> captions;
  std::vector<std::string> saved;
};

constexpr const char *kChanged = "애니메이션이 변경되었습니다. 저장하시겠습니까?";
constexpr const char *kMove = "이 파일이 애니메이션 폴더에 있지 않습니다.\n애니메이션 폴더로 옮길까요?";
constexpr const char *kQuit = "프로그램을 종료하시겠습니까?";

class EditorSessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir_ / "animate");
    fs::create_directories(dir_ / "elsewhere");
    document_.setFolder(dir_ / "animate");
    document_.New();
  }

  // A file of one animation outside the folder, opened.
  void openOutside() {
    CAnimationFile other;
    other.setFolder(dir_ / "elsewhere");
    other.New("x", "x.pca");
    ASSERT_EQ(other.Save(), DocResult::Ok);
    ASSERT_TRUE(session_.Open((dir_ / "elsewhere" / "x.pca").string()));
    ASSERT_TRUE(document_.movePending());
  }

  pdx::TempDir dir_;
  CAnimationFile document_;
  ScriptedPorts ports_;
  EditorSession session_{document_, ports_};
};

TEST_F(EditorSessionTest, UntitledSaveAsksForANameAndWritesIntoTheFolder) {
  ports_.saveNames = {(dir_ / "elsewhere" / "sample").string()};
  EXPECT_TRUE(session_.SaveCommand());
  EXPECT_TRUE(fs::exists(dir_ / "animate" / "sample.pca"));
  EXPECT_EQ(ports_.saved, std::vector<std::string>{"sample.pca"}) << "the phone-data program hears of it";
  EXPECT_EQ(session_.FileName(), "sample.pca");
  EXPECT_TRUE(session_.SaveCommand()) << "asks no name again";
  EXPECT_EQ(ports_.saved.size(), 2u);

  document_.setFolder(dir_ / "missing");
  EXPECT_FALSE(session_.SaveCommand());
  EXPECT_EQ(ports_.asked.back(), "애니메이션을 저장할 수 없습니다.");
  EXPECT_EQ(ports_.saved.size(), 2u) << "a failed save is not announced";
}

TEST_F(EditorSessionTest, KeepOrDiscardOnAChangedDocument) {
  struct Case {
    int answer;
    bool goesOn;
    bool written;
  };
  for (const Case c : {Case{kIdYes, true, true}, Case{kIdNo, true, false}, Case{kIdCancel, false, false}}) {
    document_.New("t", "t.pca");
    fs::remove(dir_ / "animate" / "t.pca");
    document_.at(0)->setPixel(1, 1, true);
    document_.at(0)->setModified();
    ports_.answers = {c.answer};
    ports_.asked.clear();
    EXPECT_EQ(session_.KeepOrDiscard(), c.goesOn) << c.answer;
    EXPECT_EQ(fs::exists(dir_ / "animate" / "t.pca"), c.written) << c.answer;
    EXPECT_EQ(ports_.asked, std::vector<std::string>{kChanged});
  }
}

TEST_F(EditorSessionTest, OutsideFileAsksToMoveBeforeAskingToSave) {
  openOutside();
  ports_.answers = {kIdOk};
  EXPECT_TRUE(session_.Exit());
  EXPECT_EQ(ports_.asked, std::vector<std::string>{kQuit}) << "unchanged: only the quit question";
  EXPECT_EQ(ports_.captions.back(), AskCaption::Exit);

  ports_.asked.clear();
  ports_.answers = {kIdNo};
  ports_.openPaths = {(dir_ / "elsewhere" / "x.pca").string()};
  EXPECT_TRUE(session_.Open());
  EXPECT_EQ(ports_.asked, std::vector<std::string>{kMove}) << "no save question without changes";

  document_.at(0)->setModified();
  ports_.asked.clear();
  ports_.answers = {kIdNo, kIdCancel};
  EXPECT_FALSE(session_.Open());
  EXPECT_EQ(ports_.asked, (std::vector<std::string>{kMove, kChanged}));
  EXPECT_EQ(ports_.captions.back(), AskCaption::Save);
  EXPECT_EQ(ports_.captions.end()[-2], AskCaption::Save);
}

TEST_F(EditorSessionTest, MovingInOverAFileOfTheSameName) {
  CAnimationFile inFolder;
  inFolder.setFolder(dir_ / "animate");
  inFolder.New("x", "x.pca");
  ASSERT_EQ(inFolder.Save(), DocResult::Ok);
  struct Case {
    int overwrite;
    bool saved;
    bool askedForName;
  };
  for (const Case c : {Case{kIdYes, true, false}, Case{kIdNo, true, true}, Case{kIdCancel, false, false}}) {
    openOutside();
    ports_.answers = {kIdYes, c.overwrite};
    ports_.saveNames = {"renamed"};
    ports_.saved.clear();
    EXPECT_EQ(session_.SaveCommand(), c.saved) << c.overwrite;
    EXPECT_EQ(ports_.saved.size(), c.saved ? 1u : 0u) << "one save, not two";
    EXPECT_EQ(ports_.saveNames.empty(), c.askedForName) << c.overwrite;
    EXPECT_FALSE(document_.outsideFolder());
  }
}

TEST_F(EditorSessionTest, NewFileTakesTheTitleFromTheNameAndAsksBeforeOverwriting) {
  ports_.fileNames = {"봄꽃"};
  ASSERT_TRUE(session_.NewFile());
  EXPECT_EQ(document_.path(), "봄꽃.pca");
  EXPECT_EQ(text::toUtf8(document_.title().view()), "봄꽃");
  EXPECT_EQ(text::toUtf8(document_.at(0)->name().view()), "봄꽃");
  EXPECT_FALSE(document_.askNameOnSave());
  ASSERT_TRUE(session_.SaveCommand());

  ports_.fileNames = {"봄꽃.pca"};
  ports_.answers = {kIdCancel};
  EXPECT_FALSE(session_.NewFile());
  EXPECT_EQ(ports_.asked.back(), "파일이 이미 있습니다. 덮어쓸까요?");
}

TEST_F(EditorSessionTest, FailedOpenShowsItsMessageAndLeavesAnUntitledDocument) {
  EXPECT_TRUE(session_.Open((dir_ / "none.pca").string()));
  EXPECT_EQ(ports_.asked, std::vector<std::string>{"애니메이션 파일을 찾을 수 없습니다."});
  EXPECT_EQ(session_.FileName(), "새애니메이션.pca");
  EXPECT_FALSE(session_.Open()) << "a cancelled open dialog keeps the document";
}

TEST_F(EditorSessionTest, AnimationListOperations) {
  document_.New("t", "t.pca");
  ASSERT_EQ(session_.NewAnimation("가"), 1);
  ASSERT_EQ(session_.NewAnimation("b"), 2);
  EXPECT_FALSE(session_.NewAnimation("b"));
  EXPECT_EQ(ports_.asked.back(), "같은 이름의 애니메이션이 있습니다.");
  std::vector<std::string> names;
  for (const AnimationRow &row : session_.Rows()) {
    names.push_back(row.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"b", "t", "가"})) << "sorted by name";

  ports_.asked.clear();
  EXPECT_FALSE(session_.RenameAnimation(2, "b")) << "its own name: nothing";
  EXPECT_TRUE(ports_.asked.empty());
  EXPECT_FALSE(session_.RenameAnimation(2, "t"));
  EXPECT_EQ(ports_.asked.size(), 1u);
  EXPECT_TRUE(session_.RenameAnimation(2, "z"));

  ports_.answers = {kIdOk, kIdOk};
  EXPECT_EQ(session_.DeleteAnimation(0), 1) << "rows t, z, 가: the row at the same place, now z";
  EXPECT_EQ(session_.DeleteAnimation(0), 0) << "the last row removed: the one before it";
  EXPECT_EQ(ports_.captions.back(), AskCaption::Delete);
  ports_.asked.clear();
  EXPECT_FALSE(session_.DeleteAnimation(0));
  EXPECT_EQ(ports_.asked, std::vector<std::string>{"애니메이션은 하나 이상 등록되어 있어야 합니다."});
}

} // namespace
} // namespace pdx::animation
