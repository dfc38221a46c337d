#include "melody/file/test_melodies.h"
#include "melody/rtttl/rtttl.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

struct ImportCase {
  const char *text;
  std::vector<NoteEntry> entries;
  int tempo;
  std::vector<std::string> warnings;
  const char *name = nullptr; // checked when given
};

void expectImport(const ImportCase &c) {
  const RtttlImport in = importRtttl(c.text);
  ASSERT_TRUE(in.ok) << c.text << ": " << in.error;
  EXPECT_EQ(entriesOf(in.melody), c.entries) << c.text;
  EXPECT_EQ(in.melody.tempo(), c.tempo) << c.text;
  EXPECT_EQ(in.warnings, c.warnings) << c.text;
  EXPECT_EQ(in.melody.encodedLength(), encodedLengthOf(in.melody.entries())) << c.text;
  if (c.name != nullptr) {
    EXPECT_EQ(in.melody.name().view(), c.name) << c.text;
  }
}

// Durations, octaves, dots and pauses; the format's own defaults where the
// text gives none; and the dialects in circulation.
TEST(RtttlImport, ReadsTheNotesOfEveryDialect) {
  const ImportCase cases[] = {
      {"Test: d=4, o=5, b=120: 8c6, d, 4e.5, p, 32g4, 2a#5, b, 32p., 16C#.7",
       {{500, 0x40},
        {1000, 0x32},
        {1500, 0x34},
        {1000, kRest},
        {125, 0x27},
        {2000, 0x3A},
        {1000, 0x3B},
        {188, kRest},
        {375, 0x51}},
       120,
       {},
       "Test"},
      {"\n x ::a\n", {{1000, 0x49}}, 63, {}, "x"},
      {"sharp first:d=8,o=5,b=100:#d,4#d5", {{500, 0x33}, {1000, 0x33}}, 100, {}},
      {"dot first:b=80BPM:8.c6,8c.6,8.c#.6", {{750, 0x40}, {750, 0x40}, {750, 0x41}}, 80, {}},
      {"sharp last:d=4,o=5:a5#,A#5,a_", {{1000, 0x3A}, {1000, 0x3A}, {1000, 0x3A}}, 63, {}},
      {" UPPER : D=4 , O=5 , B=90 : C , 2P ,\tE# ", {{1000, 0x30}, {2000, kRest}, {1000, 0x35}}, 90, {}},
  };
  for (const ImportCase &c : cases) {
    expectImport(c);
  }
}

TEST(RtttlImport, KeepsTheRhythmOrReportsWhatCannotBeCarried) {
  const ImportCase cases[] = {
      {"x:d=4,o=5,b=120:1c.,1p.",
       {{4000, 0x30}, {2000, 0x30}, {4000, kRest}, {2000, kRest}},
       120,
       {"점온음표를 온음표와 2분음표로 나누었습니다: 1c.",
        "점온음표를 온음표와 2분음표로 나누었습니다: 1p."}},
      {"x:d=4,o=5,b=900:4c,1c.,32c",
       {{250, 0x30}, {1500, 0x30}, {125, 0x30}},
       225,
       {"빠르기 900을(를) 225(으)로 낮추고 음표 길이를 1/4로 줄였습니다.",
        "너무 짧은 음표를 32분음표로 늘렸습니다: 32c"}},
      {"x:b=301:c", {{500, 0x40}}, 151, {"빠르기 301을(를) 151(으)로 낮추고 음표 길이를 1/2로 줄였습니다."}},
      {"x:b=2000:c",
       {{250, 0x40}},
       255,
       {"빠르기 2000을(를) 500(으)로 낮추고 음표 길이를 1/4로 줄였습니다.",
        "빠르기를 30에서 255 사이로 맞추었습니다: 2000"}},
      {"x:d=4,o=4,b=20:c,g,64c,d8",
       {{1000, kRest}, {1000, 0x27}, {1000, kRest}},
       30,
       {"빠르기를 30에서 255 사이로 맞추었습니다: 20",
        "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: c",
        "지원하지 않는 길이의 음표를 뺐습니다: 64c",
        "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: d8"}},
  };
  for (const ImportCase &c : cases) {
    expectImport(c);
  }
}

TEST(RtttlImport, StopsAtTheMelodyLimitAndSummarisesLongListsOfWarnings) {
  std::string text = "x:d=4,o=8,b=120:";
  for (int i = 0; i < 5000; ++i) {
    text += "c,"; // octave 8 is out of range: a warning each
  }
  const RtttlImport in = importRtttl(text);
  ASSERT_TRUE(in.ok);
  ASSERT_EQ(in.warnings.size(), kMaxListedWarnings + 2);
  EXPECT_EQ(in.warnings[kMaxListedWarnings], "그 밖의 경고 4980건은 줄였습니다.");
  EXPECT_EQ(in.melody.count(), 496) << "rests of one duration: 2 + 495 bytes";
  EXPECT_EQ(in.warnings.back(), "멜로디 길이 제한을 넘는 음표 4504개를 뺐습니다.");
}

TEST(RtttlImport, RefusesTextsThatAreNotRingtonesSayingWhere) {
  const std::pair<const char *, const char *> cases[] = {
      {"no sections", "벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표)."},
      {"a:b", "벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표)."},
      {"n:d=3:c", "기본값을 읽을 수 없습니다 (1행 3번째 글자): d=3"},
      {"n:o=x:c", "기본값을 읽을 수 없습니다 (1행 3번째 글자): o=x"},
      {"n: q=1:c", "기본값을 읽을 수 없습니다 (1행 4번째 글자): q=1"},
      {"n:d=4,o=5:c,d65", "옥타브는 한 자리 숫자여야 합니다 (1행 15번째 글자): d65"},
      {"한글:d=4:c, x", "음표를 읽을 수 없습니다 (1행 11번째 글자): x"},
      {"n:d=4:4c$", "음표를 읽을 수 없습니다 (1행 9번째 글자): 4c$"},
      {"n:d=4:c##", "음표를 읽을 수 없습니다 (1행 9번째 글자): c##"},
      {"n:d=4:8", "음표를 읽을 수 없습니다 (1행 8번째 글자): 8"},
  };
  for (const auto &[text, error] : cases) {
    const RtttlImport in = importRtttl(text);
    EXPECT_FALSE(in.ok) << text;
    EXPECT_EQ(in.error, error) << text;
  }
}

TEST(RtttlImport, NamesAreCodePage949CutWholeAndReported) {
  const std::tuple<const char *, std::string_view, std::vector<std::string>> cases[] = {
      {"한글이름입니다가나:d=4:c",
       "\xC7\xD1\xB1\xDB\xC0\xCC\xB8\xA7\xC0\xD4\xB4\xCF\xB4\xD9\xB0\xA1",
       {"이름을 16바이트로 줄였습니다: 한글이름입니다가"}},
      {"a\U0001F600b:d=4:c",
       "a?b",
       {"이름에서 코드 페이지 949에 없는 글자를 ?로 바꾸었습니다: a\U0001F600b"}},
  };
  for (const auto &[text, name, warnings] : cases) {
    const RtttlImport in = importRtttl(text);
    ASSERT_TRUE(in.ok) << text;
    EXPECT_EQ(in.melody.name().view(), name);
    EXPECT_EQ(in.warnings, warnings);
  }
}

TEST(RtttlLines, EachRingtoneOfAFileBecomesAMelody) {
  const std::string text = "\xEF\xBB\xBF"
                           "first:d=4,o=5,b=100:c,d,\n"
                           "  e,f\n"
                           "\n"
                           "second:\r\n"
                           "d=8,o=5:g\n"
                           "broken:d=4:c,x\n"
                           "first:d=4,o=5:c\r\n"
                           "한:d=4,o=5:c"; // UTF-8, as the mark says
  std::vector<RtttlLine> lines = importRtttlLines(text);
  ASSERT_EQ(lines.size(), 5u);
  const int starts[] = {1, 4, 6, 7, 8};
  const int counts[] = {4, 1, 1, 1, 1};
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].line, starts[i]);
    EXPECT_EQ(lines[i].import.ok, i != 2) << i;
    EXPECT_EQ(lines[i].import.melody.count(), counts[i]) << i;
  }
  EXPECT_EQ(lines[2].import.error, "음표를 읽을 수 없습니다 (6행 14번째 글자): x");
  CMelodyFile doc;
  doc.New("t", "t.pcm");
  doc.RemoveMelody(0);
  EXPECT_EQ(appendRingtones(doc, lines), 4);
  ASSERT_EQ(doc.size(), 4);
  EXPECT_EQ(doc.at(2).name().view(), "first 2");
  EXPECT_EQ(doc.at(3).name().view(), "\xC7\xD1");
  EXPECT_EQ(lines[3].import.warnings,
            (std::vector<std::string>{"같은 이름이 있어 'first 2'(으)로 바꾸었습니다."}));

  std::string many;
  for (int i = 0; i <= kMaxRingtonesPerFile; ++i) {
    many += "n:d=4:c\n";
  }
  lines = importRtttlLines(many);
  ASSERT_EQ(lines.size(), static_cast<size_t>(kMaxRingtonesPerFile + 1));
  EXPECT_TRUE(lines[kMaxRingtonesPerFile - 1].import.ok);
  EXPECT_FALSE(lines[kMaxRingtonesPerFile].import.ok);
}

TEST(RtttlExport, WritesDefaultsForTheCommonestValues) {
  CMelody m = makeMelody({note(500, 3, 0), note(500, 3, 2), note(1500, 4, 1), rest(500), mark(kBarLine),
                          rest(3000), note(188, 2, 11)},
                         140);
  m.name().set("\xC7\xD1:x");
  const RtttlExport out = exportRtttl(m);
  EXPECT_EQ(out.text, "한x:d=8,o=5,b=140:c,d,4c#.6,p,2p.,32b.4");
  EXPECT_TRUE(out.warnings.empty());
}

TEST(RtttlExport, ReportsWhatTheFormatCannotHold) {
  CMelody m = makeMelody({mark(kLeftRepeat),
                          note(1000, 3, 0),
                          mark(kRightRepeat),
                          note(1000, 1, 0),
                          {100, 0x30},
                          mark(kEndMark)},
                         0);
  m.name().set("a:b\nc");
  const RtttlExport out = exportRtttl(m);
  EXPECT_EQ(out.text, "abc:d=4,o=5,b=120:c,p,32c");
  EXPECT_EQ(out.warnings, (std::vector<std::string>{"빠르기 0은 쓸 수 없어 120으로 적었습니다.",
                                                    "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다.",
                                                    "길이 100을(를) 가까운 길이 125(으)로 바꾸었습니다.",
                                                    "도돌이표와 끝 표시 3개는 옮길 수 없어 뺐습니다."}));
}

TEST(Rtttl, RoundTripKeepsEveryMappableEntry) {
  std::vector<NoteEntry> entries;
  const uint16_t durations[] = {4000, 3000, 2000, 1500, 1000, 750, 500, 375, 250, 188, 125};
  for (int i = 0; i < 60; ++i) {
    const uint16_t d = durations[(i * 7) % 11];
    entries.push_back(i % 9 == 4 ? NoteEntry{d, kRest} : NoteEntry{d, codeOfPitch(31 + (i * 5) % 37)});
  }
  CMelody original = makeMelody(entries, 77);
  original.name().set("round trip");
  const RtttlExport out = exportRtttl(original);
  EXPECT_TRUE(out.warnings.empty());
  const RtttlImport back = importRtttl(out.text);
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_TRUE(back.warnings.empty());
  EXPECT_EQ(entriesOf(back.melody), entries);
  EXPECT_EQ(back.melody.tempo(), 77);
  EXPECT_EQ(back.melody.name(), original.name());
  EXPECT_EQ(exportRtttl(back.melody).text, out.text);
}

} // namespace
} // namespace pdx::melody
