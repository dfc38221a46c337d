#include "core/base/test_support.h"
#include "core/data/datafile.h"
#include "core/data/datafile_lock.h"

#include <gtest/gtest.h>
#include <tuple>

namespace pdx::core {
namespace {

namespace fs = std::filesystem;
using text::fromUtf8;

std::vector<uint8_t> header(std::string_view magic, uint16_t major, uint16_t minor, uint16_t format) {
  ByteWriter w;
  std::string field(magic);
  field.push_back('\x1A');
  w.text(field, 32);
  w.u16(major);
  w.u16(minor);
  w.u16(format);
  w.text("qorvane", 26);
  return w.take();
}

class DataFileTest : public ::testing::Test {
protected:
  void SetUp() override { store_.dataDir = dir_.string() + "/"; }

  PhoneBookEntry entry(const char *name, const char *home, uint16_t slot, uint16_t state) {
    PhoneBookEntry e;
    e.name.set(fromUtf8(name));
    e.numbers[0].set(home);
    e.phoneSlot = slot;
    e.phoneState = state;
    e.group = 1;
    return e;
  }

  TempDir dir_;
  CDataStore store_;
  DataFile file_{store_};
};

TEST_F(DataFileTest, EmptyFileIsSeventyTwoBytes) {
  store_.modified = true;
  ASSERT_EQ(file_.save(), DocResult::Ok);
  std::vector<uint8_t> expected = header("Pelodex - QZ Raradidi", 1, 1, 1);
  expected.resize(72, 0);
  EXPECT_EQ(pdx::readWholeFile<std::vector<uint8_t>>(dir_ / "Pelodex.dat"), expected);
  EXPECT_FALSE(store_.modified);
}

TEST_F(DataFileTest, OneGroupTwoEntriesRoundTrip) {
  PhoneGroup g;
  g.id = 1;
  g.melody = 12;
  g.name.setWhole(fromUtf8("가족"));
  store_.phoneGroups.insert(g);
  store_.pcPhonebook.append(entry("홍길동", "02-555-1234", 7, kStoredOnPhone));
  store_.pcPhonebook.append(entry("김철수", "011-234", kNoPhoneSlot, kUnconfirmed));
  store_.modified = true;
  ASSERT_EQ(file_.save(), DocResult::Ok);
  EXPECT_EQ(fs::file_size(dir_ / "Pelodex.dat"), 407u);

  CDataStore loaded;
  loaded.dataDir = store_.dataDir;
  DataFile in(loaded);
  ASSERT_EQ(in.load(true), DocResult::Ok);
  ASSERT_EQ(loaded.pcGroups.size(), 2u); // with the default group
  EXPECT_EQ(loaded.pcGroups[0].name.view(), defaultGroupName());
  EXPECT_EQ(loaded.pcGroups[1].melody, 12);
  ASSERT_EQ(loaded.pcPhonebook.size(), 2u);
  // Which phone slot holds an entry is found again when the phone is read.
  EXPECT_EQ(loaded.pcPhonebook[0].phoneSlot, kNoPhoneSlot);
  EXPECT_EQ(loaded.pcPhonebook[0].phoneState, kStoredOnPhone);
  EXPECT_EQ(loaded.pcPhonebook[1].phoneState, kUnconfirmed);
  EXPECT_EQ(loaded.pcPhonebook[1].name.utf8(), "김철수");
  EXPECT_TRUE(loaded.loaded && loaded.pcDataLoaded && !loaded.modified);
}

TEST_F(DataFileTest, VersionOneZeroFileLoadsItsNumberAsHome) {
  std::vector<uint8_t> bytes = header("Tandeva Data - QZ Telecom", 1, 0, 8);
  ByteWriter w;
  w.u32(1);
  w.u16(3);
  w.u16(0);
  w.text(fromUtf8("친구"), 17);
  w.u32(1);
  w.u16(4); // phone slot
  w.u16(3); // group
  w.u16(3); // flags
  w.zeros(2);
  w.text(fromUtf8("이영희"), 17);
  w.text("016-987-6543", 32);
  w.zeros(99 - 57);
  bytes.insert(bytes.end(), w.bytes().begin(), w.bytes().end());
  pdx::writeWholeFile(dir_ / "Pelodex.dat", bytes);
  ASSERT_EQ(file_.load(true), DocResult::Ok);
  ASSERT_EQ(store_.pcPhonebook.size(), 1u);
  const PhoneBookEntry &e = store_.pcPhonebook[0];
  EXPECT_EQ(e.name.utf8(), "이영희");
  EXPECT_EQ(e.numbers[0].view(), "016-987-6543");
  EXPECT_TRUE(e.numbers[1].empty() && e.numbers[2].empty() && e.numbers[3].empty());
  EXPECT_EQ(e.group, 3);
  EXPECT_EQ(e.flags, 3);
  EXPECT_EQ(e.phoneState, kNotOnPhone);
  EXPECT_EQ(e.phoneSlot, kNoPhoneSlot);
  ASSERT_GE(store_.pcGroups.findByName(fromUtf8("친구")), 0);
  EXPECT_EQ(store_.pcGroups[static_cast<size_t>(store_.pcGroups.findByName(fromUtf8("친구")))].id, 3);
}

TEST_F(DataFileTest, RefusalsLoadNothingButEnsureTheDefaultGroup) {
  struct Case {
    std::vector<uint8_t> bytes;
    DocResult expected;
  };
  std::vector<uint8_t> garbage(80, 'x');
  const Case cases[] = {
      {header("Pelodex - QZ Raradidi", 1, 2, 1), DocResult::UnsupportedVersion},
      {header("Pelodex - QZ Raradidi", 1, 1, 2), DocResult::UnsupportedFormat},
      {header("Tandeva Data - QZ Telecom", 1, 1, 8), DocResult::UnsupportedVersion},
      {header("Tandeva Data - QZ Telecom", 1, 0, 1), DocResult::UnsupportedFormat},
      {header("Pelodex - QZ Raradidi!", 1, 1, 1), DocResult::NotThisKind},
      {garbage, DocResult::NotThisKind},
      {std::vector<uint8_t>(10, 0), DocResult::ReadError},
  };
  for (const Case &c : cases) {
    CDataStore store;
    store.dataDir = store_.dataDir;
    std::vector<uint8_t> bytes = c.bytes;
    if (bytes.size() >= 64) {
      bytes.resize(72, 0);
      bytes[64] = 1; // one group that would not be read
    }
    pdx::writeWholeFile(dir_ / "Pelodex.dat", bytes);
    DataFile f(store);
    EXPECT_EQ(f.load(true), c.expected);
    ASSERT_EQ(store.pcGroups.size(), 1u);
    EXPECT_EQ(store.pcGroups[0].name.view(), defaultGroupName());
    EXPECT_FALSE(store.loaded);
  }
}

TEST_F(DataFileTest, CountsThatCannotFitAreReadErrorsKeepingWhatWasRead) {
  // {groups declared and written, entries declared, groups kept}: more than
  // the phone's 20 group slots is damage, refused before any group is read.
  const std::tuple<uint32_t, uint32_t, bool> cases[] = {{1, 0x7FFFFFFF, true}, {21, 0, false}};
  for (const auto &[groups, entries, kept] : cases) {
    std::vector<uint8_t> bytes = header("Pelodex - QZ Raradidi", 1, 1, 1);
    ByteWriter w;
    w.u32(groups);
    for (uint32_t i = 0; i < groups; ++i) {
      PhoneGroup g;
      g.id = static_cast<uint16_t>(i);
      g.name.set("abc" + std::to_string(i));
      g.writeTo(w);
    }
    w.u32(entries);
    bytes.insert(bytes.end(), w.bytes().begin(), w.bytes().end());
    pdx::writeWholeFile(dir_ / "Pelodex.dat", bytes);
    CDataStore store;
    store.dataDir = store_.dataDir;
    DataFile f(store);
    EXPECT_EQ(f.load(true), DocResult::ReadError) << groups;
    EXPECT_EQ(store.pcGroups.findByName("abc0") >= 0, kept) << groups;
    EXPECT_LE(store.pcGroups.size(), 2u) << groups;
    EXPECT_EQ(store.pcPhonebook.size(), 0u);
    EXPECT_FALSE(store.loaded);
  }
}

TEST_F(DataFileTest, MissingFileReportsTheBackupOnlyAfterTheFirstStart) {
  EXPECT_EQ(file_.load(false), DocResult::CannotOpen);
  pdx::writeWholeFile(dir_ / "Pelodex.old", "\x01");
  EXPECT_EQ(file_.load(true), DocResult::CannotOpen);
  EXPECT_EQ(file_.load(false), DocResult::BackupExists);
  EXPECT_EQ(store_.pcGroups.size(), 0u); // nothing else happens
}

TEST_F(DataFileTest, OnlyTheFirstSaveOfARunMakesTheBackup) {
  pdx::writeWholeFile(dir_ / "Pelodex.dat", "old");
  store_.modified = true;
  ASSERT_EQ(file_.save(), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile(dir_ / "Pelodex.old"), "old");
  store_.pcPhonebook.append(entry("a", "1", kNoPhoneSlot, kNotOnPhone));
  store_.modified = true;
  ASSERT_EQ(file_.save(), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile(dir_ / "Pelodex.old"), "old");
  EXPECT_EQ(fs::file_size(dir_ / "Pelodex.dat"), 72u + 157u);
  EXPECT_EQ(file_.save(), DocResult::Ok); // not modified: nothing to do
}

TEST_F(DataFileTest, FailedWriteKeepsBothFilesAndTheModifiedFlag) {
  pdx::writeWholeFile(dir_ / "Pelodex.dat", "cur");
  pdx::writeWholeFile(dir_ / "Pelodex.old", "old");
  store_.modified = true;
  {
    ScopedFileSizeLimit limit(40);
    EXPECT_EQ(file_.save(), DocResult::WriteError);
  }
  EXPECT_TRUE(store_.modified);
  EXPECT_EQ(pdx::readWholeFile(dir_ / "Pelodex.dat"), "cur");
  EXPECT_EQ(pdx::readWholeFile(dir_ / "Pelodex.old"), "old");
  // The next save of the run still makes the backup from the good file.
  ASSERT_EQ(file_.save(), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile(dir_ / "Pelodex.old"), "cur");
}

TEST_F(DataFileTest, AFolderInPlaceOfTheDataFileOrAMissingFolderIsRefused) {
  fs::create_directory(dir_ / "Pelodex.dat");
  EXPECT_EQ(file_.load(true), DocResult::CannotOpen);
  store_.modified = true;
  EXPECT_EQ(file_.save(), DocResult::CannotCreate);
  EXPECT_TRUE(fs::is_directory(dir_ / "Pelodex.dat"));
  store_.dataDir = (dir_ / "missing").string() + "/";
  EXPECT_EQ(file_.save(), DocResult::CannotCreate);
  EXPECT_TRUE(store_.modified);
}

TEST_F(DataFileTest, OneHolderOfTheLockPerDataFileUntilItEnds) {
  {
    const DataFileLock first(dir_);
    const DataFileLock second(dir_);
    EXPECT_EQ(first.state(), DataFileLock::State::Held);
    EXPECT_EQ(second.state(), DataFileLock::State::Taken);
  }
  EXPECT_EQ(DataFileLock(dir_).state(), DataFileLock::State::Held);
  EXPECT_EQ(DataFileLock(dir_ / "missing").state(), DataFileLock::State::Unavailable);
}

} // namespace
} // namespace pdx::core
