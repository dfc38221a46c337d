#include "melody/file/melody.h"
#include "melody/file/test_melodies.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

TEST(EncodedLength, CountsDurationChangesMarksAndNothingForBars) {
  const NoteEntry c = note(1000, 3, 0), d = note(1000, 3, 2), e = note(500, 3, 4);
  EXPECT_EQ(encodedLengthOf(std::vector<NoteEntry>{c, d, e}), 5);
  EXPECT_EQ(encodedLengthOf(std::vector<NoteEntry>{c, mark(kBarLine), d, mark(kBarLine), e}), 5);
  EXPECT_EQ(encodedLengthOf(std::vector<NoteEntry>{mark(kLeftRepeat), c, d, e}), 6);
  EXPECT_EQ(encodedLengthOf(std::vector<NoteEntry>{c, {1000, 0xC7}, d}), 3);
  // A rest shares the duration memory with notes.
  EXPECT_EQ(encodedLengthOf(std::vector<NoteEntry>{c, rest(1000), d}), 4);
  EXPECT_EQ(encodedLengthOf({}), 0);
}

TEST(EntryKinds, FollowTheCodeRanges) {
  const std::pair<uint16_t, EntryKind> kinds[] = {
      {0x00, EntryKind::Note}, {0xAF, EntryKind::Note}, {0xB0, EntryKind::Rest},  {0xB1, EntryKind::Mark},
      {0xB3, EntryKind::Mark}, {0xB4, EntryKind::Bar},  {0xB5, EntryKind::Other}, {0xFFFF, EntryKind::Other}};
  for (auto [code, kind] : kinds) {
    EXPECT_EQ(kindOf(code), kind) << code;
  }
  EXPECT_EQ(pitchOf(0x39), 45);
  EXPECT_EQ(codeOfPitch(35), 0x2B);
  EXPECT_EQ((std::array{isPlayablePitch(30), isPlayablePitch(31), isPlayablePitch(67), isPlayablePitch(68)}),
            (std::array{false, true, true, false}));
}

TEST(CMelodyEdits, TempoAndKeyMarkModifiedEvenWhenUnchanged) {
  CMelody melody;
  melody.SetTempo(kDefaultTempo);
  EXPECT_TRUE(melody.modified());
  melody.clearModified();
  melody.SetKey(0);
  EXPECT_TRUE(melody.modified());
}

TEST(CMelodyEdits, EraseRefusesRangesOutsideTheMelody) {
  CMelody melody = makeMelody({note(1000, 3, 0), note(500, 3, 2), note(500, 3, 4)});
  EXPECT_FALSE(melody.eraseRaw(3, 1));
  EXPECT_FALSE(melody.eraseRaw(-1, 1));
  EXPECT_FALSE(melody.eraseRaw(2, 2));
  EXPECT_FALSE(melody.modified());
  EXPECT_TRUE(melody.eraseRaw(0, 1));
  EXPECT_EQ(melody.count(), 2);
  EXPECT_EQ(melody.encodedLength(), 3);
  EXPECT_EQ(melody.at(2), NoteEntry{}) << "entries past the count are zero";
  EXPECT_TRUE(melody.modified());
}

TEST(CMelodyEdits, AppendStopsAtTheEncodedLimitAndTheEntryLimit) {
  CMelody melody;
  int appended = 0;
  // Alternating durations cost 2 each: 248 entries reach 496, the next would be 498.
  while (melody.appendIfFits(note(appended % 2 ? 500 : 1000, 3, 0))) {
    ++appended;
  }
  EXPECT_EQ(appended, 248);
  EXPECT_EQ(melody.encodedLength(), 496);
  EXPECT_TRUE(melody.appendIfFits(mark(kBarLine)));
  EXPECT_TRUE(melody.appendIfFits(note(500, 3, 0))) << "same duration as the last note costs 1";
  EXPECT_EQ(melody.encodedLength(), 497);

  CMelody bars;
  for (int i = 0; i < kMaxEntries; ++i) {
    ASSERT_TRUE(bars.appendIfFits(mark(kBarLine)));
  }
  EXPECT_FALSE(bars.appendIfFits(mark(kBarLine)));
}

TEST(CMelodyEdits, CutFromEndKeepsTheLongestPrefixWithinTheLimit) {
  CMelody melody = makeMelody(entriesOfLength(600, true));
  ASSERT_EQ(melody.encodedLength(), 600);
  melody.cutFromEndTo(498);
  EXPECT_EQ(melody.encodedLength(), 498);
  EXPECT_EQ(melody.count(), 498) << "249 notes, each with its bar line";
  EXPECT_EQ(melody.encodedLength(), encodedLengthOf(melody.entries()));
}

} // namespace
} // namespace pdx::melody
