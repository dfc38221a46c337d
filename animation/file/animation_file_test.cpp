#include "animation/file/animation_file.h"
#include "animation/file/file_messages.h"
#include "core/base/cp949.h"
#include "core/base/test_support.h"

#include <cstring>
#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

namespace fs = std::filesystem;

// The bytes of a new document, built field by field from the format.
std::vector<uint8_t> expectedNewDocument() {
  std::vector<uint8_t> bytes(730, 0);
  const char magic[] = "Tesselin Data - QZ Telecom\x1A";
  std::memcpy(bytes.data(), magic, 27);
  bytes[32] = 1;
  bytes[36] = 1;
  std::memcpy(bytes.data() + 38, "qorvane", 7);
  const std::string title = text::fromUtf8("새애니메이션파일");
  std::memcpy(bytes.data() + 64, title.data(), title.size());
  bytes[96] = 1;
  const std::string name = text::fromUtf8("새애니메이션");
  std::memcpy(bytes.data() + 100, name.data(), name.size());
  return bytes;
}

void expectUntitled(const CAnimationFile &file) {
  EXPECT_EQ(file.count(), 1);
  EXPECT_EQ(file.title().view(), defaultTitle());
  EXPECT_EQ(file.path(), defaultFileName());
  EXPECT_EQ(file.at(0)->name().view(), defaultAnimationName());
  EXPECT_TRUE(file.askNameOnSave());
  EXPECT_FALSE(file.IsModified());
}

class AnimationFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir_ / "Anim");
    file_.setFolder(dir_ / "Anim");
  }

  pdx::TempDir dir_;
  CAnimationFile file_;
};

TEST_F(AnimationFileTest, NewDocumentSavesAs730KnownBytes) {
  file_.New();
  expectUntitled(file_);
  ASSERT_EQ(file_.Save(), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile<std::vector<uint8_t>>(dir_ / "Anim" / "새애니메이션.pca"),
            expectedNewDocument());
}

TEST_F(AnimationFileTest, NewWithTitleAndNameNeedsNoQuestion) {
  file_.New("Birthday cards for everyone!!!!!!!", "cards.pca");
  EXPECT_FALSE(file_.askNameOnSave());
  EXPECT_EQ(file_.title().view(), "Birthday cards for everyone!!!!!");
  EXPECT_EQ(file_.at(0)->name().view(), "Birthday cards f");
  file_.New("only a title");
  EXPECT_TRUE(file_.askNameOnSave());
  EXPECT_EQ(file_.path(), defaultFileName());
}

TEST_F(AnimationFileTest, RoundTripKeepsNamesEffectsAndBits) {
  file_.New("t", "round.pca");
  ASSERT_EQ(file_.RenameAnimation(0, "0123456789abcdef"), 0);
  file_.at(0)->setEffect(25);
  file_.at(0)->setPixel(95, 50, true);
  ASSERT_EQ(file_.AddAnimation("second"), 1);
  file_.at(1)->setPixel(0, 0, true);
  ASSERT_EQ(file_.Save(), DocResult::Ok);
  EXPECT_FALSE(file_.IsModified());
  const auto saved = pdx::readWholeFile<std::vector<uint8_t>>(dir_ / "Anim" / "round.pca");
  ASSERT_EQ(saved.size(), 100u + 2 * 630);

  CAnimationFile loaded;
  loaded.setFolder(dir_ / "Anim");
  ASSERT_EQ(loaded.Load("round.pca"), DocResult::Ok);
  ASSERT_EQ(loaded.count(), 2);
  EXPECT_EQ(loaded.at(0)->name().view(), "0123456789abcdef");
  EXPECT_EQ(loaded.at(0)->effect(), 25);
  EXPECT_TRUE(loaded.at(0)->pixel(95, 50));
  EXPECT_TRUE(loaded.at(1)->pixel(0, 0));
  EXPECT_FALSE(loaded.IsModified());
  EXPECT_EQ(loaded.serialize(), saved);
}

// A file cut inside its records keeps the whole ones; a refused file leaves
// a new untitled document.
TEST_F(AnimationFileTest, DamagedFilesKeepTheirWholeRecordsOrAreRefused) {
  file_.New();
  ASSERT_GE(file_.AddAnimation("b"), 0);
  ASSERT_GE(file_.AddAnimation("c"), 0);
  const auto good = file_.serialize();
  const auto changed = [&](size_t at, uint8_t value) {
    auto bad = good;
    bad[at] = value;
    return bad;
  };
  const auto cut = [&](size_t size) {
    return std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(size));
  };
  // Cut in the last record or after it; version 1.1; a huge count, a negative
  // one, five records where three are; cut in the header.
  const std::pair<std::vector<uint8_t>, DocResult> cases[] = {
      {cut(good.size() - 1), DocResult::Ok},     {cut(good.size() - 300), DocResult::Ok},
      {cut(good.size() - 630), DocResult::Ok},   {changed(34, 1), DocResult::UnsupportedVersion},
      {changed(99, 0x10), DocResult::ReadError}, {changed(99, 0xFF), DocResult::ReadError},
      {changed(96, 5), DocResult::ReadError},    {cut(80), DocResult::ReadError},
  };
  for (const auto &[bytes, result] : cases) {
    pdx::writeWholeFile(dir_ / "bad.pca", bytes);
    EXPECT_EQ(file_.Load((dir_ / "bad.pca").string()), result) << bytes.size();
    if (result == DocResult::Ok) {
      ASSERT_EQ(file_.count(), 2);
      EXPECT_EQ(file_.at(1)->name().view(), "b");
    } else {
      expectUntitled(file_);
    }
  }
  for (size_t i = 0; i < 32; ++i) {
    EXPECT_EQ(file_.parse(changed(i, good[i] ^ 0x20)), DocResult::NotThisKind) << "magic byte " << i;
  }
  EXPECT_EQ(file_.Load("no-such-file.pca"), DocResult::CannotOpen);
  expectUntitled(file_);
}

TEST_F(AnimationFileTest, WriteErrorKeepsThePreviousFileAndTheChanges) {
  file_.New("t", "keep.pca");
  ASSERT_EQ(file_.Save(), DocResult::Ok);
  const auto before = pdx::readWholeFile<std::vector<uint8_t>>(dir_ / "Anim" / "keep.pca");
  ASSERT_GE(file_.AddAnimation("grown"), 0);
  {
    ScopedFileSizeLimit limit(1000);
    EXPECT_EQ(file_.Save(), DocResult::WriteError);
  }
  EXPECT_EQ(pdx::readWholeFile<std::vector<uint8_t>>(dir_ / "Anim" / "keep.pca"), before);
  EXPECT_TRUE(file_.IsModified());
  file_.setFolder(dir_ / "missing");
  EXPECT_EQ(file_.Save(), DocResult::CannotCreate);
}

TEST_F(AnimationFileTest, EverySpellingOfTheFolderCountsAsInside) {
  file_.New("t", "in.pca");
  ASSERT_EQ(file_.Save(), DocResult::Ok);
  const fs::path working = fs::current_path();
  fs::current_path(dir_);
  const std::string d = dir_.string();
  for (const std::string &spelling :
       {d + "/Anim/in.pca", d + "/Anim/../Anim/./in.pca", d + "//Anim//in.pca", std::string("Anim/in.pca"),
        std::string("./Anim/../Anim/in.pca"), "../" + fs::path(dir_).filename().string() + "/Anim/in.pca"}) {
    CAnimationFile other;
    other.setFolder(dir_ / "ANIM");
    ASSERT_EQ(other.Load(spelling), DocResult::Ok) << spelling;
    EXPECT_FALSE(other.outsideFolder()) << spelling;
    EXPECT_EQ(other.path(), "in.pca") << spelling;
  }
  CAnimationFile writer;
  pdx::writeWholeFile(dir_ / "out.pca", writer.serialize());
  ASSERT_EQ(file_.Load("out.pca"), DocResult::Ok);
  EXPECT_TRUE(file_.outsideFolder());
  fs::current_path(working);
  EXPECT_EQ(file_.Save(), DocResult::Ok) << "saved where it was read, not in the working folder";
  EXPECT_EQ(file_.path(), (dir_ / "out.pca").string());
}

TEST_F(AnimationFileTest, OutsideFileAsksOnceToMoveIn) {
  file_.New("t", (dir_ / "out.pca").string());
  ASSERT_EQ(file_.Save(), DocResult::CannotCreate);
  CAnimationFile writer;
  pdx::writeWholeFile(dir_ / "out.pca", writer.serialize());
  ASSERT_EQ(file_.Load((dir_ / "out.pca").string()), DocResult::Ok);
  EXPECT_TRUE(file_.outsideFolder());
  EXPECT_TRUE(file_.movePending());
  EXPECT_EQ(file_.path(), (dir_ / "out.pca").string());
  EXPECT_TRUE(file_.MoveIntoFolder());
  EXPECT_EQ(file_.path(), "out.pca");
  EXPECT_FALSE(file_.outsideFolder());
  ASSERT_EQ(file_.Save(), DocResult::Ok);

  ASSERT_EQ(file_.Load((dir_ / "out.pca").string()), DocResult::Ok);
  EXPECT_FALSE(file_.MoveIntoFolder());
  EXPECT_TRUE(file_.askNameOnSave());
}

TEST_F(AnimationFileTest, LongPathsAreNeverCut) {
  // A path past 260 bytes whose first 260 name another file.
  const fs::path folder = dir_ / std::string(200, 'd');
  fs::create_directories(folder);
  const std::string pca = (folder / (std::string(260 - folder.string().size() - 5, 'n') + ".pca")).string();
  ASSERT_EQ(pca.size(), 260u);
  CAnimationFile writer;
  writer.setTitle("pca");
  pdx::writeWholeFile(pca, writer.serialize());
  writer.setTitle("bak");
  pdx::writeWholeFile(pca + ".bak", writer.serialize());
  ASSERT_EQ(file_.Load(pca + ".bak"), DocResult::Ok);
  EXPECT_EQ(file_.title().view(), "bak");
  file_.setTitle("changed");
  ASSERT_EQ(file_.Save(), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile<std::vector<uint8_t>>(pca), [&] {
    writer.setTitle("pca");
    return writer.serialize();
  }());
  EXPECT_EQ(file_.Load(pca + std::string(4000, 'x')), DocResult::CannotOpen);
}

TEST_F(AnimationFileTest, ListEditing) {
  file_.New("t", "t.pca");
  EXPECT_EQ(file_.AddAnimation(), 1);
  EXPECT_EQ(file_.FindByName(defaultAnimationName()), 1) << "an unnamed add gets the default name";
  EXPECT_EQ(file_.AddAnimation(""), -1);
  file_.RemoveAnimation(1);
  EXPECT_EQ(file_.AddAnimation("a"), 1);
  EXPECT_EQ(file_.AddAnimation("a"), -1);
  EXPECT_TRUE(file_.IsModified());
  EXPECT_EQ(file_.FindByName("a"), 1);
  EXPECT_EQ(file_.FindByName("A"), -1);
  EXPECT_EQ(file_.RenameAnimation(0, "a"), -1);
  EXPECT_EQ(file_.RenameAnimation(1, "a"), 1);
  EXPECT_EQ(file_.RenameAnimation(5, "z"), -1);
  CAnimation copy;
  copy.setName("front");
  EXPECT_FALSE(file_.InsertAt(3, copy));
  EXPECT_FALSE(file_.InsertAt(-1, copy));
  ASSERT_TRUE(file_.InsertAt(0, copy));
  EXPECT_EQ(file_.FindByName("front"), 0);
  EXPECT_EQ(file_.SetCurrent(2), file_.at(2));
  file_.RemoveAnimation(2);
  EXPECT_EQ(file_.count(), 2);
  EXPECT_EQ(file_.currentIndex(), 1);
  EXPECT_EQ(file_.SetCurrent(7), nullptr);
}

TEST(FileMessages, EveryFailureHasItsMessage) {
  EXPECT_EQ(fileMessage(DocResult::Ok), nullptr);
  EXPECT_STREQ(fileMessage(DocResult::CannotOpen), "애니메이션 파일을 찾을 수 없습니다.");
  EXPECT_STREQ(fileMessage(DocResult::NotThisKind), "애니메이션 파일이 아닙니다.");
  EXPECT_STREQ(fileMessage(DocResult::UnsupportedVersion), "이 파일 버전은 지원하지 않습니다.");
  EXPECT_STREQ(fileMessage(DocResult::ReadError), "애니메이션을 읽어들일 수 없습니다.");
  EXPECT_STREQ(fileMessage(DocResult::CannotCreate), "애니메이션을 저장할 수 없습니다.");
  EXPECT_STREQ(fileMessage(DocResult::WriteError), "애니메이션을 저장할 수 없습니다.");
}

} // namespace
} // namespace pdx::animation
