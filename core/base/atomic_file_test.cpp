#include "core/base/atomic_file.h"
#include "core/base/last_resort.h"
#include "core/base/test_support.h"

#include <chrono>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>

namespace pdx {
namespace {

namespace fs = std::filesystem;

std::span<const uint8_t> bytesOf(std::string_view s) {
  return {reinterpret_cast<const uint8_t *>(s.data()), s.size()};
}

class AtomicFileTest : public ::testing::Test {
protected:
  void TearDown() override { ::chmod(dir_.c_str(), 0755); }
  TempDir dir_;
};

// Whatever happens to a write, the folder holds the target alone.
TEST_F(AtomicFileTest, TheTargetIsReplacedWholeOrNotAtAll) {
  const fs::path target = dir_ / "a.dat";
  ASSERT_EQ(writeFileAtomically(target, bytesOf("old")), DocResult::Ok);
  ASSERT_EQ(writeFileAtomically(target, bytesOf("precious")), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile(target), "precious");
  {
    AtomicFile abandoned(target);
    ASSERT_TRUE(abandoned.open());
    ASSERT_TRUE(abandoned.write(bytesOf("half")));
  }
  {
    ScopedFileSizeLimit limit(4);
    EXPECT_EQ(writeFileAtomically(target, bytesOf("far too long for the limit")), DocResult::WriteError);
  }
  EXPECT_EQ(pdx::readWholeFile(target), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, LinksAreFollowedAndLeftInPlace) {
  fs::create_directories(dir_ / "real");
  fs::create_symlink("real/a.dat", dir_ / "link");          // to a file that is not there yet
  fs::create_symlink(dir_ / "link", dir_ / "link-to-link"); // absolute, through another link
  ASSERT_EQ(writeFileAtomically(dir_ / "link", bytesOf("first")), DocResult::Ok);
  ASSERT_EQ(writeFileAtomically(dir_ / "link-to-link", bytesOf("second")), DocResult::Ok);
  EXPECT_TRUE(fs::is_symlink(dir_ / "link"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link-to-link"));
  EXPECT_EQ(pdx::readWholeFile(dir_ / "real" / "a.dat"), "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, DevicesAndPipesAreWrittenDirectly) {
  ASSERT_EQ(writeFileAtomically("/dev/null", bytesOf("gone")), DocResult::Ok);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  const fs::path fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(writeFileAtomically(fifo, bytesOf("x")), DocResult::CannotCreate); // nobody reads it
  std::string received;
  std::thread reader([&] { received = pdx::readWholeFile(fifo); });
  DocResult written = DocResult::CannotCreate;
  while (written == DocResult::CannotCreate) { // until the reader has opened its end
    written = writeFileAtomically(fifo, bytesOf("through the pipe"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  reader.join();
  EXPECT_EQ(written, DocResult::Ok);
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(writeFileAtomically("/dev/full", bytesOf("x")), DocResult::WriteError);
}

TEST_F(AtomicFileTest, TargetsThatCannotBeFilesAreRefused) {
  fs::create_symlink("loop", dir_ / "loop");
  for (const fs::path &target :
       {fs::path(), fs::path(dir_), dir_ / "loop", dir_ / std::string(300, 'n'), dir_ / "nope" / "x.dat"}) {
    EXPECT_EQ(writeFileAtomically(target, bytesOf("x")), DocResult::CannotCreate) << target;
  }
  // A name just within the limit still saves, its temporary file named apart.
  const fs::path longest = dir_ / std::string(255, 'n');
  EXPECT_EQ(writeFileAtomically(longest, bytesOf("x")), DocResult::Ok);
  EXPECT_EQ(pdx::readWholeFile(longest), "x");
}

TEST_F(AtomicFileTest, UnwritableFolderCannotCreate) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root ignores folder permissions";
  }
  ::chmod(dir_.c_str(), 0555);
  EXPECT_EQ(writeFileAtomically(dir_ / "x.dat", bytesOf("x")), DocResult::CannotCreate);
}

TEST_F(AtomicFileTest, AnAbruptEndReportsOneLineAndLeavesNoHalfWrittenFile) {
  const fs::path target = dir_ / "a.dat";
  ASSERT_EQ(writeFileAtomically(target, bytesOf("previous")), DocResult::Ok);
  EXPECT_EXIT(
      {
        installLastResortHandler("test");
        AtomicFile file(target);
        if (file.open() && file.write(bytesOf("half"))) {
          std::terminate();
        }
      },
      ::testing::ExitedWithCode(kInternalErrorStatus), "^test: 내부 오류로 프로그램을 끝냅니다.\n$");
  EXPECT_EQ(pdx::readWholeFile(target), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  const auto previous = std::get_terminate();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(runGuarded("test", [] { return 3; }), 3);
  EXPECT_EQ(runGuarded("test", []() -> int { throw std::runtime_error("boom"); }), kInternalErrorStatus);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "test: 내부 오류로 프로그램을 끝냅니다. (boom)\n");
  std::set_terminate(previous);
}

} // namespace
} // namespace pdx
