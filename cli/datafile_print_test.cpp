#include "cli/cli_test_support.h"
#include "core/base/test_support.h"

#include <fstream>
#include <gtest/gtest.h>

namespace pdx::cli {
namespace {

namespace fs = std::filesystem;
using testing::runCli;

// Pages of a PDF written by Qt.
int pdfPages(const fs::path &path) {
  const std::string bytes = readWholeFile(path);
  int pages = 0;
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1)) {
    pages += bytes.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
  }
  return pages;
}

class PrintCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::ofstream text(dir_ / "people.txt");
    const char *groups[] = {"가족", "친구", "회사", "동창"};
    for (int i = 0; i < 60; ++i) {
      text << "사람" << 100 + i << (i % 5 == 4 ? "" : std::string(" ") + groups[i % 4]) << " 02-555-"
           << 1000 + i << (i % 2 ? " 011-9" + std::to_string(100000 + i) : "") << (i % 3 ? "" : " 0151234")
           << "\n";
    }
    text.close();
    data_ = (dir_ / "pb.dat").string();
    ASSERT_EQ(
        runCli("datafile import '" + (dir_ / "people.txt").string() + "' --data '" + data_ + "'").status, 0);
  }
  int print(const std::string &size, const std::string &order, const fs::path &out) {
    return runCli("datafile print '" + data_ + "' --size " + size + " --order " + order + " --pdf '" +
                  out.string() + "'")
        .status;
  }
  TempDir dir_;
  std::string data_;
};

TEST_F(PrintCommandTest, PrintsSixtyEntriesInEachSizeAndOrder) {
  for (const std::string size : {"wallet", "normal"}) {
    for (const std::string order : {"group", "name"}) {
      const fs::path out = dir_ / (size + "-" + order + ".pdf");
      ASSERT_EQ(print(size, order, out), 0) << size << " " << order;
      const int pages = pdfPages(out);
      EXPECT_GE(pages, 1) << size << " " << order;
      EXPECT_LE(pages, 4) << size << " " << order << ": 60 entries need a few pages at most";
    }
  }
}

TEST_F(PrintCommandTest, BadArgumentsAndUnwritableOutputAreRefused) {
  EXPECT_EQ(print("huge", "name", dir_ / "x.pdf"), 64);
  EXPECT_EQ(runCli("datafile print '" + data_ + "' --size wallet --order name").status, 64);
  EXPECT_NE(print("wallet", "name", dir_ / "no" / "such" / "x.pdf"), 0);
  EXPECT_FALSE(fs::exists(dir_ / "no"));
  EXPECT_EQ(runCli("datafile print '" + (dir_ / "missing.dat").string() +
                   "' --size wallet --order name --pdf '" + (dir_ / "y.pdf").string() + "'")
                .status,
            2);
}

} // namespace
} // namespace pdx::cli
