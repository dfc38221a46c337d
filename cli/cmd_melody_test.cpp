// Runs the built pelodex-cli on melody files and checks its output and exit
// status.
#include "cli/cli_test_support.h"
#include "core/base/test_support.h"
#include "melody/file/test_melodies.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

namespace fs = std::filesystem;
using namespace testing;

using CliRun = cli::testing::RunResult;

class CliMelodyTest : public ::testing::Test {
protected:
  static CliRun run(const std::string &arguments) { return cli::testing::runCli("melody " + arguments); }
  std::string write(const std::string &name, const std::vector<uint8_t> &bytes) {
    writeWholeFile(dir_ / name, bytes);
    return path(name);
  }
  std::string path(const std::string &name) const { return "'" + (dir_ / name).string() + "'"; }

  TempDir dir_;
};

TEST_F(CliMelodyTest, ShowPrintsTheDocumentAsJson) {
  const std::string file =
      write("a.pcm", fileBytes("\xC7\xD1\xB1\xDB", {{"one", 90, 10, {note(1000, 3, 0), mark(kBarLine)}}}));
  const CliRun r = run("show " + file);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"melodies\":[{\"encoded_length\":2,\"entries\":[[1000,48],[0,180]],\"key\":10,"
                   "\"name\":\"one\",\"tempo\":90}],\"title\":\"한글\"}\n");
}

TEST_F(CliMelodyTest, EncodePrintsThePhoneBytes) {
  const std::string file = write(
      "e.pcm", fileBytes("t", {{"x"}, {"y", 120, 0, {note(1000, 3, 0), note(1000, 3, 2), note(500, 3, 4)}}}));
  EXPECT_EQ(run("encode " + file).out, "02\n");
  const CliRun r = run("encode --index 1 " + file);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "07 13 15 09 17 02\n");
}

TEST_F(CliMelodyTest, ExitStatusTellsWhatWentWrong) {
  EXPECT_EQ(run("show " + path("missing.pcm")).status, 2);
  EXPECT_EQ(run("show " + write("bad.pcm", {'x', 'y'})).status, 4);
  auto version = fileBytes("t", {{"a"}});
  version[32] = 2;
  const CliRun r = run("show " + write("v.pcm", version));
  EXPECT_EQ(r.status, 5);
  EXPECT_EQ(r.err, "pelodex-cli: 이 파일 버전은 지원하지 않습니다. (" + (dir_ / "v.pcm").string() + ")\n");
  const std::string ok = write("ok.pcm", fileBytes("t", {{"a"}}));
  EXPECT_EQ(run("show").status, 64);
  EXPECT_EQ(run("show " + ok + " extra").status, 64);
  EXPECT_EQ(run("encode --index 1 " + ok).status, 64);
  EXPECT_EQ(run("encode --index x " + ok).status, 64);
  EXPECT_EQ(run("render " + ok).status, 64) << "--out is required";
  EXPECT_EQ(run("render --rate 10 --out " + path("x.wav") + " " + ok).status, 64);
  EXPECT_EQ(run("fly " + ok).status, 64);
  EXPECT_EQ(run("render --out " + path("no/dir/x.wav") + " " + ok).status, 8);
}

TEST_F(CliMelodyTest, RenderWritesAWavOfTheMelodysLength) {
  const std::string file = write("s.pcm", fileBytes("t", {{"s", 120, 0, {note(1000, 3, 9), rest(1000)}}}));
  const CliRun r = run("render --out " + path("s.wav") + " --rate 8000 " + file);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(fs::file_size(dir_ / "s.wav"), 44u + 2u * 8000u);
}

TEST_F(CliMelodyTest, PlayRunsTheMelodyToItsEnd) {
  const std::string file =
      write("p.pcm", fileBytes("t", {{"tune", 255, 0, {note(125, 3, 0), note(125, 3, 4)}}}));
  const CliRun r = run("play --silent " + file);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "연주합니다: tune (빠르기 255)\n");
}

TEST_F(CliMelodyTest, RingtoneTextRoundTrip) {
  const std::string text = "Scale:d=4,o=5,b=100:c,d,e,f,8g.,16a,2b,p,c6";
  CliRun r = run("import-rtttl '" + text + "' --out " + path("r.pcm"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;
  r = run("export-rtttl " + path("r.pcm"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, text + "\n");
  EXPECT_NE(run("show " + path("r.pcm")).out.find("\"title\":\"Scale\""), std::string::npos);

  std::ofstream(dir_ / "ring.txt") << "low:d=4,o=4,b=90:c,g\n";
  r = run("import-rtttl " + path("ring.txt") + " --out " + path("low.pcm"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "pelodex-cli: 경고: 연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: c\n");
  EXPECT_EQ(run("import-rtttl 'not a ringtone' --out " + path("x.pcm")).status, 64);

  // A file of several ringtones: one melody each, a report per line.
  std::ofstream(dir_ / "set.txt") << "a:d=4,o=5,b=900:c\nb:d=4:x\na:d=4,o=5:1d.\n";
  r = run("import-rtttl " + path("set.txt") + " --out " + path("set.pcm"));
  EXPECT_EQ(r.status, 65);
  EXPECT_EQ(r.err, "pelodex-cli: 경고: 1행: 빠르기 900을(를) 225(으)로 낮추고 음표 길이를 1/4로 줄였습니다.\n"
                   "pelodex-cli: 2행: 음표를 읽을 수 없습니다 (2행 7번째 글자): x\n"
                   "pelodex-cli: 경고: 3행: 점온음표를 온음표와 2분음표로 나누었습니다: 1d.\n"
                   "pelodex-cli: 경고: 3행: 같은 이름이 있어 'a 2'(으)로 바꾸었습니다.\n"
                   "pelodex-cli: 벨소리 3개 중 2개를 멜로디로 저장했습니다.\n");
  const std::string shown = run("show " + path("set.pcm")).out;
  for (const char *part :
       {"\"title\":\"set\"", "\"entries\":[[250,48]],\"key\":0,\"name\":\"a\",\"tempo\":225",
        "\"entries\":[[4000,50],[2000,50]],\"key\":0,\"name\":\"a 2\""}) {
    EXPECT_NE(shown.find(part), std::string::npos) << part << " in " << shown;
  }
}

TEST_F(CliMelodyTest, RingtoneReportsAreCountedAndShowNoControlCharacters) {
  // 150 ringtones of one name that retitles the terminal: 99 renamed, 50 refused.
  std::ofstream text(dir_ / "many.txt");
  for (int i = 0; i < 150; ++i) {
    text << "\x1b]0;x\x07:d=4,o=5,b=120:c\n";
  }
  text.close();
  const CliRun r = run("import-rtttl " + path("many.txt") + " --out " + path("many.pcm"));
  EXPECT_EQ(r.status, 65);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 22) << r.err;
  EXPECT_EQ(r.err.find_first_of("\x1b\x07"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("'\\x1b]0;x\\x07 2'"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("그 밖의 경고와 오류 129건은 줄였습니다."), std::string::npos) << r.err;
}

TEST_F(CliMelodyTest, MidiRoundTripAndDamagedFiles) {
  const std::string file =
      write("m.pcm", fileBytes("t", {{"tune", 90, 0, {note(1500, 3, 0), rest(500), note(250, 3, 4)}}}));
  ASSERT_EQ(run("export-midi --out " + path("m.mid") + " " + file).status, 0);
  const CliRun in = run("import-midi " + path("m.mid") + " --out " + path("back.pcm"));
  ASSERT_EQ(in.status, 0) << in.err;
  EXPECT_EQ(run("show " + path("back.pcm")).out,
            "{\"melodies\":[{\"encoded_length\":6,\"entries\":[[1500,48],[500,176],[250,52]],\"key\":0,"
            "\"name\":\"tune\",\"tempo\":90}],\"title\":\"tune\"}\n");
  const CliRun bad =
      run("import-midi " + write("bad.mid", {'M', 'T', 'h', 'd', 0}) + " --out " + path("x.pcm"));
  EXPECT_EQ(bad.status, 65);
  EXPECT_FALSE(fs::exists(dir_ / "x.pcm"));
  EXPECT_EQ(run("import-midi " + path("none.mid") + " --out " + path("x.pcm")).status, 66);
  EXPECT_EQ(run("import-midi " + path("m.mid") + " --channel 17 --out " + path("x.pcm")).status, 64);
  for (const std::string &out : {std::string("''"), path("") + "/", path("no/dir/x.pcm")}) {
    EXPECT_EQ(run("import-midi " + path("m.mid") + " --out " + out).status, 8) << out;
  }
}

} // namespace
} // namespace pdx::melody
