#include "core/base/test_support.h"
#include "core/data/datafile_startup.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pdx::core {
namespace {

namespace fs = std::filesystem;

class ScriptedUser : public DataFileUser {
public:
  void tell(const std::string &message) override { told.push_back(message); }
  bool ask(const std::string &question) override {
    asked.push_back(question);
    return answer;
  }
  std::vector<std::string> told;
  std::vector<std::string> asked;
  bool answer = true;
};

constexpr std::time_t kNow = 1700000000;

class StartupLoadTest : public ::testing::Test {
protected:
  // One program run: start-up, one new entry saved, exit's save.
  StartupLoad run(ScriptedUser &user, std::time_t now = kNow) {
    CDataStore store;
    store.dataDir = dir_.string() + "/";
    DataFile file(store);
    const StartupLoad outcome = loadAtStartup(file, store, user, now);
    writesAtExit_ = store.modified;
    store.phoneGroups = store.pcGroups;
    PhoneBookEntry entry;
    entry.name.set("run" + std::to_string(now));
    entry.numbers[0].set("02");
    store.pcPhonebook.append(entry);
    store.modified = true;
    EXPECT_EQ(file.save(), DocResult::Ok);
    EXPECT_EQ(file.save(), DocResult::Ok);
    entries_ = store.pcPhonebook.size();
    return outcome;
  }
  fs::path dat() const { return dir_ / "Pelodex.dat"; }
  fs::path old() const { return dir_ / "Pelodex.old"; }

  TempDir dir_;
  size_t entries_ = 0;
  bool writesAtExit_ = false;
};

TEST_F(StartupLoadTest, ADamagedFileIsKeptThroughTwoRuns) {
  const std::string damaged = "Pelodex - QZ Raradidi\x1A but cut short";
  pdx::writeWholeFile(dat(), damaged);
  ScriptedUser user;
  EXPECT_EQ(run(user), StartupLoad::Empty);
  ASSERT_EQ(user.told.size(), 1u);
  EXPECT_NE(user.told[0].find("Pelodex.dat.unreadable-"), std::string::npos);
  EXPECT_NE(user.told[0].find(describe(DocResult::ReadError)), std::string::npos);
  EXPECT_TRUE(user.asked.empty()); // no backup to offer
  EXPECT_FALSE(writesAtExit_) << "an empty file is written only once the user changes something";
  EXPECT_EQ(run(user, kNow + 60), StartupLoad::Loaded);
  EXPECT_EQ(entries_, 2u); // the first run's entry was saved and read again
  EXPECT_EQ(pdx::readWholeFile(setAsideName(dat(), kNow)), damaged);
  EXPECT_EQ(user.told.size(), 1u);
}

TEST_F(StartupLoadTest, TheBackupIsOfferedWhenItReads) {
  ScriptedUser user;
  ASSERT_EQ(run(user), StartupLoad::FirstStart);
  EXPECT_TRUE(writesAtExit_) << "the first start writes the data file at exit";
  ASSERT_EQ(run(user, kNow + 1), StartupLoad::Loaded); // Pelodex.old now holds one entry
  const std::string backup = pdx::readWholeFile(old());
  pdx::writeWholeFile(dat(), "garbage");
  user.answer = false;
  EXPECT_EQ(run(user, kNow + 2), StartupLoad::Empty);
  EXPECT_EQ(user.asked.back(), "백업 파일(Pelodex.old)로 시작하시겠습니까?");
  EXPECT_EQ(pdx::readWholeFile(old()), backup); // declining never replaces the backup
  pdx::writeWholeFile(dat(), "garbage again");
  user.answer = true;
  EXPECT_EQ(run(user, kNow + 3), StartupLoad::FromBackup);
  EXPECT_EQ(entries_, 2u); // the backup's entry and this run's
  fs::remove(dat());
  EXPECT_EQ(run(user, kNow + 4), StartupLoad::FromBackup); // only the backup left
  EXPECT_EQ(user.told.size(), 2u);
}

TEST_F(StartupLoadTest, WhatIsNotARegularFileIsSetAsideUnread) {
  const std::function<void()> makers[] = {
      [this] { fs::create_directory(dat()); },
      [this] { ASSERT_EQ(::mkfifo(dat().c_str(), 0600), 0); }, // reading it would block
      [this] { fs::create_symlink("/dev/zero", dat()); },      // reading it would never end
  };
  std::time_t now = kNow;
  for (const auto &make : makers) {
    make();
    ScriptedUser user;
    EXPECT_EQ(run(user, ++now), StartupLoad::Empty);
    EXPECT_NE(fs::symlink_status(setAsideName(dat(), now)).type(), fs::file_type::not_found) << "kept";
    EXPECT_TRUE(fs::is_regular_file(dat())) << "the run's entry was saved in a new file";
    fs::remove(dat());
  }
}

TEST_F(StartupLoadTest, AFileThatCannotBeSetAsideEndsTheProgram) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root renames in a read-only folder";
  }
  pdx::writeWholeFile(dat(), "garbage");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  CDataStore store;
  store.dataDir = dir_.string() + "/";
  DataFile file(store);
  ScriptedUser user;
  EXPECT_EQ(loadAtStartup(file, store, user, kNow), StartupLoad::Refused);
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(pdx::readWholeFile(dat()), "garbage");
}

} // namespace
} // namespace pdx::core
