#include "core/base/atomic_file.h"
#include "core/base/test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace pdx {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path &p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::span<const uint8_t> bytesOf(std::string_view s) {
  return {reinterpret_cast<const uint8_t *>(s.data()), s.size()};
}

class AtomicFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("pdx-atomic-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    ::chmod(dir_.c_str(), 0755);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(AtomicFileTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const fs::path target = dir_ / "a.dat";
  ASSERT_EQ(writeFileAtomically(target, bytesOf("old")), DocResult::Ok);
  ASSERT_EQ(writeFileAtomically(target, bytesOf("new contents")), DocResult::Ok);
  EXPECT_EQ(readAll(target), "new contents");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AbandonedWriteKeepsThePreviousFile) {
  const fs::path target = dir_ / "a.dat";
  ASSERT_EQ(writeFileAtomically(target, bytesOf("precious")), DocResult::Ok);
  {
    AtomicFile file(target);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write(bytesOf("half")));
  }
  EXPECT_EQ(readAll(target), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, WriteErrorKeepsThePreviousFile) {
  const fs::path target = dir_ / "a.dat";
  ASSERT_EQ(writeFileAtomically(target, bytesOf("precious")), DocResult::Ok);
  {
    ScopedFileSizeLimit limit(4);
    EXPECT_EQ(writeFileAtomically(target, bytesOf("far too long for the limit")), DocResult::WriteError);
  }
  EXPECT_EQ(readAll(target), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, UnwritableFolderCannotCreate) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root ignores folder permissions";
  }
  ::chmod(dir_.c_str(), 0555);
  EXPECT_EQ(writeFileAtomically(dir_ / "x.dat", bytesOf("x")), DocResult::CannotCreate);
}

TEST_F(AtomicFileTest, MissingFolderCannotCreate) {
  EXPECT_EQ(writeFileAtomically(dir_ / "nope" / "x.dat", bytesOf("x")), DocResult::CannotCreate);
}

} // namespace
} // namespace pdx
