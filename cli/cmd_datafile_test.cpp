#include "cli/cli_test_support.h"
#include "core/base/test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace pdx::cli {
namespace {

namespace fs = std::filesystem;
using testing::runCli;

class DatafileCommandTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(runCli("datafile sample " + sample_).status, 0); }
  // A small file of every byte value: neither text nor a data file.
  std::string binaryFile() const {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) {
      bytes.push_back(static_cast<char>(i * 7));
    }
    writeWholeFile(dir_ / "binary.bin", bytes);
    return (dir_ / "binary.bin").string();
  }
  const TempDir dir_;
  const std::string sample_ = (dir_ / "sample.dat").string();
};

TEST_F(DatafileCommandTest, ShowPrintsGroupsAndEntriesInUtf8) {
  const auto r = runCli("datafile show " + sample_);
  ASSERT_EQ(r.status, 0);
  const auto j = nlohmann::json::parse(r.out);
  ASSERT_TRUE(j.contains("groups") && j.contains("entries"));
  EXPECT_EQ(r.out.find("{\"groups\":"), 0u);
  EXPECT_EQ(j["groups"][0]["name"], "지정안됨");
  EXPECT_EQ(j["entries"][0]["name"], "김철수");
  EXPECT_EQ(j["entries"][0]["slot"], 65535);
  EXPECT_EQ(j["entries"].size(), 6u);
}

TEST_F(DatafileCommandTest, FindListsMatchesInNameOrder) {
  const auto names = [&](const std::string &arguments) {
    const auto r = runCli("datafile find " + sample_ + " " + arguments);
    const auto j = nlohmann::json::parse(r.out);
    std::vector<std::string> out;
    for (const auto &e : j["entries"]) {
      out.push_back(e["name"]);
    }
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(names("ㅈ"), (V{"정수진", "최지은", "한국전자 영업부"}));
  EXPECT_EQ(names("--number 555-"), (V{"김철수", "박민수"}));
  EXPECT_EQ(names("ㅎㄱㄷ"), V{});
}

TEST_F(DatafileCommandTest, ExportWritesCsvAndVcardFiles) {
  const std::string csv = (dir_ / "out.csv").string();
  ASSERT_EQ(runCli("datafile export " + sample_ + " --format csv --out " + csv).status, 0);
  EXPECT_EQ(fs::file_size(csv), runCli("datafile export " + sample_ + " --format csv").out.size());
  const auto vcard = runCli("datafile export " + sample_ + " --format vcard");
  ASSERT_EQ(vcard.status, 0);
  EXPECT_NE(vcard.out.find("FN:한국전자 영업부\r\n"), std::string::npos);
}

TEST_F(DatafileCommandTest, ImportAddsToANewOrExistingDataFile) {
  const std::string text = (dir_ / "book.txt").string();
  std::ofstream(text) << "홍길동 친구 0212345678 0111234567\n김철수 0151234567\n이름만\n";
  const std::string data = (dir_ / "new.dat").string();
  const auto r = runCli("datafile import " + text + " --data " + data);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "추가 2건, 건너뜀 1건\n");
  const auto j = nlohmann::json::parse(runCli("datafile show " + data).out);
  ASSERT_EQ(j["entries"].size(), 2u);
  EXPECT_EQ(j["entries"][0]["mobile"], "0111234567");
  EXPECT_EQ(j["groups"][1]["name"], "친구");
  EXPECT_EQ(j["entries"][0]["group"], j["groups"][1]["id"]);
  // Importing again adds nothing: the names exist.
  EXPECT_EQ(runCli("datafile import " + text + " --data " + data).out, "추가 0건, 건너뜀 3건\n");
  const std::string vcf = (dir_ / "phone.vcf").string();
  std::ofstream(vcf) << "BEGIN:VCARD\nVERSION:3.0\nFN:최지은\nTEL;TYPE=CELL:+82 10 1234 5678\nEND:VCARD\n"
                        "BEGIN:VCARD\nVERSION:3.0\nFN:홍길동\nTEL:02\nEND:VCARD\n";
  const auto report =
      nlohmann::json::parse(runCli("datafile import " + vcf + " --data " + data + " --report").out);
  EXPECT_EQ(report, nlohmann::json::parse(R"({"added":1,"skipped":1,"notes":[{"line":6,"name":"홍길동",)"
                                          R"("reason":"건너뜀: 같은 이름이 이미 있습니다"}]})"));
  EXPECT_EQ(nlohmann::json::parse(runCli("datafile show " + data).out)["entries"][2]["mobile"],
            "010-1234-5678");
}

TEST_F(DatafileCommandTest, ImportReportsInValidUtf8AndWritesOnlyWhatItAdded) {
  const std::string vcf = (dir_ / "bad-utf8.vcf").string();
  std::ofstream(vcf) << "BEGIN:VCARD\nVERSION:3.0\nFN;CHARSET=UTF-8:Kim\xC3(\nEND:VCARD\n"
                        "BEGIN:VCARD\nVERSION:3.0\nFN:Lee\nTEL:02-1\nEND:VCARD\n";
  const std::string data = (dir_ / "new.dat").string();
  const auto r = runCli("datafile import " + vcf + " --data " + data + " --report");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(nlohmann::json::parse(r.out)["notes"][0]["name"], "Kim\\xC3(");
  EXPECT_TRUE(fs::exists(data));
  // Cards that add nothing, and a file without entries, leave no data file.
  const std::string none = (dir_ / "none.dat").string();
  std::ofstream(vcf) << "BEGIN:VCARD\rVERSION:3.0\rFN:Park\rEND:VCARD\r";
  EXPECT_EQ(runCli("datafile import " + vcf + " --data " + none).out, "추가 0건, 건너뜀 1건\n");
  std::ofstream(vcf) << "\n \n";
  EXPECT_EQ(runCli("datafile import " + vcf + " --data " + none).status, 65);
  EXPECT_FALSE(fs::exists(none));
}

TEST_F(DatafileCommandTest, ImportKeepsWhatCameBeforeABadLineAndNeverReplacesWhatItCannotRead) {
  const std::string text = (dir_ / "bad.txt").string();
  std::ofstream(text) << "김철수 0212345678\n" << std::string(1100, 'x') << "\n이영희 0311111111\n";
  EXPECT_EQ(runCli("datafile import " + text + " --data " + sample_).status, 1);
  const auto j = nlohmann::json::parse(runCli("datafile show " + sample_).out);
  EXPECT_EQ(j["entries"].size(), 6u); // 김철수 was already there
  EXPECT_EQ(runCli("datafile import " + (dir_ / "none.txt").string() + " --data " + sample_).status, 2);
  // A file that is not a data file is never overwritten, nor is a binary file
  // imported, nor a data file replaced that cannot be read.
  EXPECT_EQ(runCli("datafile import " + text + " --data " + text).status, 4);
  EXPECT_EQ(runCli("datafile import " + text + " --data " + dir_.string()).status, 2);
  const auto bytesOf = [](const std::string &p) { return fs::file_size(p); };
  const auto before = bytesOf(sample_);
  EXPECT_EQ(runCli("datafile import " + binaryFile() + " --data " + sample_).status, 65);
  EXPECT_EQ(bytesOf(sample_), before);
  if (::geteuid() != 0) {
    const std::string good = (dir_ / "good.txt").string();
    std::ofstream(good) << "새사람 0212345678\n";
    fs::permissions(sample_, fs::perms::none);
    EXPECT_EQ(runCli("datafile import " + good + " --data " + sample_).status, 2);
    fs::permissions(sample_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(bytesOf(sample_), before);
  }
}

TEST_F(DatafileCommandTest, FailuresHaveTheirExitStatus) {
  EXPECT_EQ(runCli("datafile show " + (dir_ / "missing.dat").string()).status, 2);
  EXPECT_EQ(runCli("datafile show " + binaryFile()).status, 4);
  EXPECT_EQ(runCli("datafile export " + sample_ + " --format pdf").status, 64);
  EXPECT_EQ(runCli("datafile show").status, 64);
  EXPECT_EQ(runCli("datafile frobnicate").status, 64);
  EXPECT_EQ(runCli("nothing").status, 64);
}

} // namespace
} // namespace pdx::cli
