#include "core/base/test_support.h"
#include "melody/file/melody_file.h"
#include "melody/file/test_melodies.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

namespace fs = std::filesystem;
using namespace testing;

class MelodyFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "Melody");
    fs::create_directories(root_ / "elsewhere");
    doc_.setFolder(root_ / "Melody");
  }

  static std::vector<uint8_t> bytesOf(const fs::path &p) {
    return pdx::readWholeFile<std::vector<uint8_t>>(p);
  }
  void expectNewUntitled() {
    EXPECT_EQ(doc_.size(), 1);
    EXPECT_EQ(doc_.at(0).name().view(), CMelodyFile::defaultMelodyName());
    EXPECT_EQ(doc_.title().view(), CMelodyFile::defaultTitle());
    EXPECT_EQ(doc_.path(), CMelodyFile::defaultPath());
    EXPECT_TRUE(doc_.askNameOnSave());
    EXPECT_FALSE(doc_.outsideFolder());
    EXPECT_FALSE(doc_.movePending());
    EXPECT_FALSE(doc_.IsModified());
  }

  TempDir root_;
  CMelodyFile doc_;
};

TEST_F(MelodyFileTest, NewUsesTheGivenTitleAndName) {
  expectNewUntitled();
  doc_.New("\xC7\xD1\xB1\xDB"
           "0123456789abcdefghijklmnopqrstuvwxyz",
           "a.pcm");
  EXPECT_EQ(doc_.title().view().size(), 32u);
  EXPECT_EQ(doc_.at(0).name().view(), "\xC7\xD1\xB1\xDB"
                                      "0123456789ab");
  EXPECT_EQ(doc_.path(), "a.pcm");
  EXPECT_FALSE(doc_.askNameOnSave());
  doc_.New("t", std::nullopt);
  EXPECT_TRUE(doc_.askNameOnSave());
  // A double-byte character is never split by the cut.
  doc_.New("abcdefghijklmno\xC7\xD1", "b.pcm");
  EXPECT_EQ(doc_.at(0).name().view(), "abcdefghijklmno");
}

TEST_F(MelodyFileTest, SavedFilesLoadBackIdentically) {
  doc_.New("title", "song.pcm");
  doc_.Current()->insertRaw(0, std::vector<NoteEntry>{note(1000, 3, 0), mark(kBarLine)}, 2);
  ASSERT_EQ(doc_.AddMelody("second"), 1);
  doc_.at(1).SetTempo(255);
  ASSERT_TRUE(doc_.IsModified());
  ASSERT_EQ(doc_.Save(), DocResult::Ok);
  EXPECT_FALSE(doc_.IsModified());
  const auto first = bytesOf(root_ / "Melody" / "song.pcm");

  CMelodyFile other;
  other.setFolder(root_ / "Melody");
  ASSERT_EQ(other.Load("song.pcm"), DocResult::Ok);
  EXPECT_FALSE(other.askNameOnSave());
  ASSERT_EQ(other.size(), 2);
  EXPECT_EQ(other.at(1).tempo(), 255);
  EXPECT_EQ(other.at(0).count(), 2);
  ASSERT_EQ(other.Save(), DocResult::Ok);
  EXPECT_EQ(bytesOf(root_ / "Melody" / "song.pcm"), first);
}

TEST_F(MelodyFileTest, EveryLoadFailureLeavesANewUntitledDocument) {
  auto badMagic = fileBytes("t", {{"a"}});
  badMagic[27] = 1;
  pdx::writeWholeFile(root_ / "Melody" / "f.pcm", badMagic);
  for (auto [path, expected] : {std::pair{"f.pcm", DocResult::NotThisKind},
                                {"missing.pcm", DocResult::CannotOpen},
                                {"", DocResult::CannotOpen}}) { // the folder itself is no file
    EXPECT_EQ(doc_.Load(path), expected) << path;
    expectNewUntitled();
  }
}

TEST(MelodyFileMessages, EveryLoadFailureHasItsMessage) {
  EXPECT_STREQ(loadFailureMessage(DocResult::CannotOpen), "멜로디 파일을 찾을 수 없습니다.");
  EXPECT_STREQ(loadFailureMessage(DocResult::NotThisKind), "멜로디 파일이 아닙니다.");
  EXPECT_STREQ(loadFailureMessage(DocResult::UnsupportedVersion), "이 파일 버전은 지원하지 않습니다.");
  EXPECT_STREQ(loadFailureMessage(DocResult::ReadError), "멜로디를 읽어들일 수 없습니다.");
  EXPECT_STREQ(kSaveFailureMessage, "멜로디를 저장할 수 없습니다.");
}

TEST_F(MelodyFileTest, AFolderDifferingOnlyInCaseCountsAsInside) {
  pdx::writeWholeFile(root_ / "Melody" / "in.pcm", fileBytes("t", {{"a"}}));
  doc_.setFolder(root_ / "mElOdY");
  ASSERT_EQ(doc_.Load((root_ / "Melody" / "in.pcm").string()), DocResult::Ok);
  EXPECT_EQ(doc_.path(), "in.pcm");
  EXPECT_FALSE(doc_.movePending());
  doc_.setFolder(root_ / "Melod");
  ASSERT_EQ(doc_.Load((root_ / "Melody" / "in.pcm").string()), DocResult::Ok);
  EXPECT_TRUE(doc_.outsideFolder()) << "a folder name that differs in length";
}

TEST_F(MelodyFileTest, ANewDocumentSavesAsTheReferenceFile) {
  doc_.New(std::nullopt, std::nullopt);
  ASSERT_EQ(doc_.Save(), DocResult::Ok);
  const auto saved = bytesOf(root_ / "Melody" / CMelodyFile::defaultPath());
  EXPECT_EQ(saved.size(), 128u);
  EXPECT_EQ(saved, bytesOf(fs::path(PDX_SOURCE_DIR) / "melody/file/fuzz_corpus/new_document.pcm"));
}

TEST_F(MelodyFileTest, ARelativePathOutsideTheFolderIsKeptWhole) {
  pdx::writeWholeFile(root_ / "elsewhere" / "rel.pcm", fileBytes("t", {{"a"}}));
  const fs::path previous = fs::current_path();
  fs::current_path(root_ / "elsewhere");
  const DocResult result = doc_.Load("rel.pcm");
  fs::current_path(previous);
  ASSERT_EQ(result, DocResult::Ok);
  EXPECT_TRUE(doc_.outsideFolder());
  EXPECT_EQ(doc_.path(), (root_ / "elsewhere" / "rel.pcm").string());
  ASSERT_EQ(doc_.Save(), DocResult::Ok);
  EXPECT_FALSE(fs::exists(previous / "rel.pcm"));
}

TEST_F(MelodyFileTest, FilesOutsideTheFolderWaitForAMove) {
  const fs::path outside = root_ / "elsewhere" / "out.pcm";
  pdx::writeWholeFile(outside, fileBytes("t", {{"a"}}));
  ASSERT_EQ(doc_.Load(outside.string()), DocResult::Ok);
  EXPECT_TRUE(doc_.outsideFolder());
  EXPECT_TRUE(doc_.movePending());
  EXPECT_EQ(doc_.path(), outside.string());
  doc_.at(0).SetTempo(99);
  ASSERT_EQ(doc_.Save(), DocResult::Ok) << "saved in place while outside";
  EXPECT_FALSE(fs::exists(root_ / "Melody" / "out.pcm"));

  pdx::writeWholeFile(root_ / "Melody" / "out.pcm", fileBytes("other", {{"b"}}));
  EXPECT_FALSE(doc_.MoveIntoFolder(false));
  EXPECT_TRUE(doc_.askNameOnSave());
  EXPECT_EQ(doc_.path(), "out.pcm");
  EXPECT_FALSE(doc_.outsideFolder());
  EXPECT_TRUE(doc_.MoveIntoFolder(false)) << "nothing pending any more";

  ASSERT_EQ(doc_.Load(outside.string()), DocResult::Ok);
  EXPECT_TRUE(doc_.MoveIntoFolder(true));
  ASSERT_EQ(doc_.Save(), DocResult::Ok);
  CMelodyFile check;
  check.setFolder(root_ / "Melody");
  ASSERT_EQ(check.Load("out.pcm"), DocResult::Ok);
  EXPECT_EQ(check.at(0).tempo(), 99);
}

TEST_F(MelodyFileTest, AWriteErrorKeepsThePreviousFileAndTheChanges) {
  doc_.New("t", "keep.pcm");
  ASSERT_EQ(doc_.Save(), DocResult::Ok);
  const auto before = bytesOf(root_ / "Melody" / "keep.pcm");
  std::vector<NoteEntry> many(1000, note(1000, 3, 0));
  doc_.Current()->insertRaw(0, many, 1001);
  {
    ScopedFileSizeLimit limit(1000);
    EXPECT_EQ(doc_.Save(), DocResult::WriteError);
  }
  EXPECT_EQ(bytesOf(root_ / "Melody" / "keep.pcm"), before);
  EXPECT_TRUE(doc_.IsModified());
}

TEST_F(MelodyFileTest, NamesAreUniqueAndTheListTracksChanges) {
  doc_.New("t", "n.pcm");
  EXPECT_EQ(doc_.AddMelody("t"), -1) << "the first melody is named after the title";
  EXPECT_FALSE(doc_.listModified());
  EXPECT_EQ(doc_.AddMelody(), 1);
  EXPECT_EQ(doc_.AddMelody(), -1);
  EXPECT_EQ(doc_.FindByName(CMelodyFile::defaultMelodyName()), 1);
  EXPECT_EQ(doc_.FindByName("T"), -1) << "case-sensitive";
  EXPECT_EQ(doc_.RenameMelody(1, "t"), -1);
  EXPECT_EQ(doc_.RenameMelody(0, "t"), -1) << "its own name counts as taken";
  EXPECT_EQ(doc_.RenameMelody(5, "z"), -1);
  EXPECT_EQ(doc_.RenameMelody(1, "0123456789abcdefXYZ"), 1);
  EXPECT_EQ(doc_.at(1).name().view(), "0123456789abcdef");
  EXPECT_EQ(doc_.AddMelody("0123456789abcdef-other"), -1) << "equal once cut";
  EXPECT_TRUE(doc_.listModified());

  CMelody copy = doc_.at(0);
  EXPECT_FALSE(doc_.InsertAt(3, copy));
  EXPECT_TRUE(doc_.InsertAt(2, copy));
  EXPECT_TRUE(doc_.InsertAt(0, copy));
  EXPECT_EQ(doc_.size(), 4);
  ASSERT_NE(doc_.SetCurrent(3), nullptr);
  doc_.RemoveMelody(3);
  doc_.RemoveMelody(7);
  EXPECT_EQ(doc_.size(), 3);
  EXPECT_EQ(doc_.currentIndex(), 2);
  EXPECT_EQ(doc_.SetCurrent(3), nullptr);
  EXPECT_EQ(doc_.FullPath(), (root_ / "Melody" / "n.pcm").string());
}

TEST_F(MelodyFileTest, AnEmptyListLoadsWithoutACurrentMelody) {
  pdx::writeWholeFile(root_ / "Melody" / "e.pcm", fileBytes("t", {}));
  ASSERT_EQ(doc_.Load("e.pcm"), DocResult::Ok);
  EXPECT_EQ(doc_.size(), 0);
  EXPECT_EQ(doc_.Current(), nullptr);
}

} // namespace
} // namespace pdx::melody
