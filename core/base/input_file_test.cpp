#include "core/base/input_file.h"
#include "core/base/test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pdx {
namespace {

namespace fs = std::filesystem;

TEST(InputFile, OpensOnlyRegularFilesWithinTheLimitAndNeverBlocks) {
  const TempDir dir;
  std::ofstream(dir / "six") << "abcdef";
  fs::create_symlink("six", dir / "link");
  fs::create_symlink("loop", dir / "loop");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  const struct {
    fs::path path;
    uint64_t limit;
    InputError error;
  } cases[] = {
      {dir / "six", 6, InputError::None},        {dir / "link", 6, InputError::None},
      {dir / "six", 5, InputError::TooLarge},    {dir / "missing", 6, InputError::CannotOpen},
      {"", 6, InputError::CannotOpen},           {dir / std::string(300, 'n'), 6, InputError::CannotOpen},
      {dir / "loop", 6, InputError::CannotOpen}, {dir, 6, InputError::NotAFile},
      {dir / "fifo", 6, InputError::NotAFile}, // no writer: must not wait for one
      {"/dev/zero", 6, InputError::NotAFile},
  };
  for (const auto &c : cases) {
    const InputBytes in = readInputFile(c.path, c.limit);
    EXPECT_EQ(in.error, c.error) << c.path;
    EXPECT_EQ(in.bytes.size(), c.error == InputError::None ? 6u : 0u) << c.path;
  }
  EXPECT_EQ(docResultOf(InputError::NotAFile), DocResult::CannotOpen);
  EXPECT_EQ(docResultOf(InputError::TooLarge), DocResult::ReadError);
}

} // namespace
} // namespace pdx
