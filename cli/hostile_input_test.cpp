// Every command ends with its documented status and one line of explanation
// whatever the file system hands it: folders, FIFOs, devices, link loops,
// empty and overlong names, a full disk, a standard output that fails.
#include "cli/cli_test_support.h"
#include "core/base/test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pdx::cli {
namespace {

namespace fs = std::filesystem;

struct Case {
  std::string
      arguments; // {D} is a folder, {F} a FIFO, {L} a link loop, {N} a 300-byte name, {W} the work folder
  int status;
};

class HostileInputTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir_ / "folder");
    fs::create_directories(dir_ / "folder.pca");
    fs::create_symlink("loop", dir_ / "loop");
    ::mkfifo((dir_ / "fifo").c_str(), 0600);
    ::mkfifo((dir_ / "fifo.jpg").c_str(), 0600);
    fs::create_symlink("/dev/zero", dir_ / "zero.jpg");
    std::ofstream(dir_ / "ink.bmp", std::ios::binary).write(kBmp, sizeof kBmp - 1);
    ASSERT_EQ(run("datafile sample {W}/good.dat").status, 0);
    ASSERT_EQ(run("melody import-rtttl 'a:d=4,o=5,b=120:c,d' --out {W}/good.pcm").status, 0);
    ASSERT_EQ(run("animation add-image {W}/good.pca {W}/ink.bmp --name a").status, 0);
  }
  std::string expand(std::string text) const {
    const std::pair<std::string, std::string> names[] = {
        {"{D}", (dir_ / "folder").string()},
        {"{F}", (dir_ / "fifo").string()},
        {"{L}", (dir_ / "loop").string()},
        {"{N}", (dir_ / std::string(300, 'n')).string()},
        {"{W}", dir_.string()},
    };
    for (const auto &[key, value] : names) {
      for (size_t at; (at = text.find(key)) != std::string::npos;) {
        text.replace(at, key.size(), value);
      }
    }
    return text;
  }
  testing::RunResult run(const std::string &arguments) const { return testing::runCli(expand(arguments)); }
  void expectAll(const std::vector<Case> &cases) {
    for (const Case &c : cases) {
      const testing::RunResult result = run(c.arguments);
      EXPECT_EQ(result.status, c.status) << c.arguments << "\n" << result.err;
      EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), c.status == 0 ? 0 : 1)
          << c.arguments << "\n"
          << result.err;
    }
  }

  // 1 x 1, 24 bits, black.
  static constexpr char kBmp[] =
      "BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0"
      "\x04\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
  TempDir dir_;
};

TEST_F(HostileInputTest, InputsThatAreNotFilesEndWithTheDocumentCode) {
  std::vector<Case> cases;
  for (const char *input : {"{D}", "{F}", "{L}", "{N}", "''", "/dev/zero"}) {
    const std::string in = input;
    cases.push_back({"datafile show " + in, 2});
    cases.push_back({"melody show " + in, 2});
    cases.push_back({"animation show " + in, 2});
    cases.push_back({"image convert {W}/ink.bmp --onto " + in + " --out {W}/o.pbm", 2});
  }
  cases.insert(cases.end(), {
                                {"datafile import {D} --data {W}/new.dat", 2},
                                {"datafile import /dev/zero --data {W}/new.dat", 2},
                                {"animation add-image {D}.pca {W}/ink.bmp --name b", 2},
                                {"animation add-image {L} {W}/ink.bmp --name b", 2},
                                {"image decode {W}/fifo.jpg --out {W}/o.ppm", 2},
                                {"image decode {W}/zero.jpg --out {W}/o.ppm", 2},
                                {"melody import-rtttl {D} --out {W}/o.pcm", 66},
                                {"melody import-rtttl {F} --out {W}/o.pcm", 66},
                                {"melody import-midi {F} --out {W}/o.pcm", 66},
                                {"melody import-midi /dev/zero --out {W}/o.pcm", 66},
                                {"melody import-rtttl 'a:d=4,o=5,b=120:c' --out ''", 8},
                                {"melody import-rtttl 'a:d=4,o=5,b=120:c' --out {D}", 8},
                                {"phone send-melody '' --index 0 --slot 0", 64},
                                {"phone send-animation {D} --index 0 --slot 0", 64},
                                {"simulate --state {D}", 66},
                                {"simulate --state {L}", 66},
                                {"simulate --state /dev/zero", 66},
                                {"simulate --state ''", 73},
                                {"simulate --protocol at --state {D}", 66},
                                {"simulate --protocol at --state {F}", 66},
                                {"simulate --protocol at --state ''", 73},
                            });
  expectAll(cases);
}

TEST_F(HostileInputTest, OutputsThatFailAreReportedAndDamageNothing) {
  expectAll({
      {"datafile show {W}/good.dat >/dev/full", 74},
      {"melody show {W}/good.pcm >/dev/full", 74},
      {"animation show {W}/good.pca >/dev/full", 74},
      {"lunar 2001-05-23 >/dev/full", 74},
      {"media list melodies --folder {W} >/dev/full", 74},
      {"datafile export {W}/good.dat --format csv --out /dev/null", 0},
      {"image decode {W}/ink.bmp --out /dev/null", 0},
      {"image decode {W}/ink.bmp --out {D}", 73},
  });
  // A disk that fills up half way: the previous output stays whole.
  const std::vector<std::pair<std::string, std::string>> outputs = {
      {"image decode {W}/ink.bmp --out {W}/out.ppm", "out.ppm"},
      {"animation export {W}/good.pca --out {W}/out.png", "out.png"},
      {"animation export {W}/good.pca --out {W}/out.pbm", "out.pbm"},
      {"animation effect {W}/good.pca --code 1 --gif {W}/out.gif", "out.gif"},
      {"melody render {W}/good.pcm --out {W}/out.wav", "out.wav"},
      {"datafile print {W}/good.dat --size wallet --order name --pdf {W}/out.pdf", "out.pdf"},
  };
  for (const auto &[arguments, name] : outputs) {
    std::ofstream(dir_ / name) << "previous";
    {
      ScopedFileSizeLimit limit(8); // below the smallest output, a 14-byte PPM
      EXPECT_NE(run(arguments).status, 0) << arguments;
    }
    EXPECT_EQ(readWholeFile(dir_ / name), "previous") << arguments;
  }
}

} // namespace
} // namespace pdx::cli
