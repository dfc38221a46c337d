#include "melody/file/test_melodies.h"
#include "melody/rtttl/rtttl.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

std::vector<NoteEntry> entriesOf(const CMelody &m) {
  return {m.entries().begin(), m.entries().end()};
}

TEST(RtttlImport, MapsDurationsOctavesAndPauses) {
  const RtttlImport in = importRtttl("Test: d=4, o=5, b=120: 8c6, d, 4e.5, p, 32g4, 2a#5, b, 32p., 16C#.7");
  ASSERT_TRUE(in.ok) << in.error;
  EXPECT_TRUE(in.warnings.empty());
  EXPECT_EQ(in.melody.name().view(), "Test");
  EXPECT_EQ(in.melody.tempo(), 120);
  EXPECT_EQ(entriesOf(in.melody), (std::vector<NoteEntry>{{500, 0x40},
                                                          {1000, 0x32},
                                                          {1500, 0x34},
                                                          {1000, kRest},
                                                          {125, 0x27},
                                                          {2000, 0x3A},
                                                          {1000, 0x3B},
                                                          {188, kRest},
                                                          {375, 0x51}}));
  EXPECT_EQ(in.melody.encodedLength(), encodedLengthOf(in.melody.entries()));
}

TEST(RtttlImport, MissingDefaultsAreTheFormatsOwn) {
  const RtttlImport in = importRtttl("\n x ::a\n");
  ASSERT_TRUE(in.ok) << in.error;
  EXPECT_EQ(in.melody.name().view(), "x");
  EXPECT_EQ(in.melody.tempo(), 63);
  EXPECT_EQ(entriesOf(in.melody), (std::vector<NoteEntry>{{1000, 0x49}}));
}

TEST(RtttlImport, ReportsWhatCannotBeCarried) {
  const RtttlImport in = importRtttl("x:d=4,o=4,b=400:c,g,1c.,64c,d8");
  ASSERT_TRUE(in.ok) << in.error;
  EXPECT_EQ(in.melody.tempo(), 255);
  EXPECT_EQ(entriesOf(in.melody), (std::vector<NoteEntry>{{1000, kRest}, {1000, 0x27}, {1000, kRest}}));
  ASSERT_EQ(in.warnings.size(), 5u);
  EXPECT_EQ(in.warnings[0], "빠르기를 30에서 255 사이로 맞추었습니다: 400");
  EXPECT_EQ(in.warnings[1], "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: c");
  EXPECT_EQ(in.warnings[2], "지원하지 않는 길이의 음표를 뺐습니다: 1c.");
  EXPECT_EQ(in.warnings[4], "연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: d8");
}

TEST(RtttlImport, StopsAtTheMelodyLimit) {
  std::string text = "long:d=4,o=5,b=200:";
  for (int i = 0; i < 300; ++i) {
    text += i % 2 ? "8c," : "4c,";
  }
  const RtttlImport in = importRtttl(text);
  ASSERT_TRUE(in.ok);
  EXPECT_EQ(in.melody.count(), 248);
  EXPECT_EQ(in.melody.encodedLength(), 496);
  EXPECT_EQ(in.warnings.back(), "멜로디 길이 제한을 넘는 음표 52개를 뺐습니다.");
}

TEST(RtttlImport, LongListsOfWarningsAreSummarised) {
  std::string text = "x:d=4,o=8,b=120:";
  for (int i = 0; i < 5000; ++i) {
    text += "c,"; // octave 8 is out of range: a warning each
  }
  const RtttlImport in = importRtttl(text);
  ASSERT_TRUE(in.ok);
  ASSERT_EQ(in.warnings.size(), kMaxListedWarnings + 2);
  EXPECT_EQ(in.warnings[kMaxListedWarnings], "그 밖의 경고 4980건은 줄였습니다.");
  EXPECT_EQ(in.warnings.back(), "멜로디 길이 제한을 넘는 음표 4504개를 뺐습니다.");
}

TEST(RtttlImport, RefusesTextsThatAreNotRingtones) {
  for (const char *bad : {"no sections", "a:b", "n:d=3:c", "n:q=1:c", "n:d=4:x", "n:d=4:4c$", "n:o=x:c"}) {
    const RtttlImport in = importRtttl(bad);
    EXPECT_FALSE(in.ok) << bad;
    EXPECT_FALSE(in.error.empty()) << bad;
  }
}

TEST(RtttlImport, KoreanNamesAreStoredInCodePage949WithoutSplittingACharacter) {
  const RtttlImport in = importRtttl("한글이름입니다가나:d=4:c");
  ASSERT_TRUE(in.ok);
  EXPECT_EQ(in.melody.name().view(), "\xC7\xD1\xB1\xDB\xC0\xCC\xB8\xA7\xC0\xD4\xB4\xCF\xB4\xD9\xB0\xA1");
  EXPECT_EQ(importRtttl("가나다라마바사아자:d=4:c").melody.name().view().size(), 16u);
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
                          mark(kEndMark)});
  const RtttlExport out = exportRtttl(m);
  EXPECT_EQ(out.text, ":d=4,o=5,b=120:c,p,32c");
  EXPECT_EQ(out.warnings, (std::vector<std::string>{"연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다.",
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
  CMelody original;
  original.assignStored(entries);
  original.recomputeEncodedLength();
  original.setStoredTempo(77);
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
