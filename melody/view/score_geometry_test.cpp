#include "melody/view/score_geometry.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

constexpr uint16_t kC = 0, kG = 10, kD = 3, kCSharp = 1, kF = 7, kAb = 12, kBb = 15;

TEST(ScoreGeometry, StaffHeightsAndMargins) {
  EXPECT_EQ((std::array{staffY(30), staffY(31), staffY(29), staffY(18)}), (std::array{45, 41, 50, 99}));
  // The first entry of C major at 25, of C# major (seven sharps) at 60.
  EXPECT_EQ((std::array{scoreMargin(kC), scoreMargin(kG), scoreMargin(kCSharp), scoreMargin(999)}),
            (std::array{25, 30, 60, 25}));
}

TEST(ScoreGeometry, SpellingInKeys) {
  struct Case {
    uint16_t code;
    uint16_t key;
    int letter;
    Accidental sign;
  };
  const Case cases[] = {
      {0x3A, kF, 6, Accidental::None},         // B flat in F major: on B, no sign
      {0x3B, kF, 6, Accidental::Natural},      // B in F major: natural sign
      {0x35, kG, 3, Accidental::Natural},      // F in G major
      {0x36, kG, 3, Accidental::None},         // F sharp in G major
      {0x31, kBb, 1, Accidental::Flat},        // D flat in a flat key
      {0x31, kAb, 1, Accidental::None},        // ... unless the key flattens D
      {0x31, kC, 0, Accidental::Sharp},        // C sharp in C major
      {0x36, kD, 3, Accidental::None},         // F sharp in D major
      {0x30, kCSharp, 0, Accidental::Natural}, // C in C# major: B# must not hide the sign
      {0x3B, 17, 6, Accidental::Natural},      // B in Cb major likewise
  };
  for (const Case &c : cases) {
    const Spelling s = spellNote(c.code, c.key);
    EXPECT_EQ(s.letter, c.letter) << std::hex << c.code << " key " << std::dec << c.key;
    EXPECT_EQ(s.sign, c.sign) << std::hex << c.code << " key " << std::dec << c.key;
    EXPECT_EQ(s.step, 7 * (c.code >> 4) + c.letter);
  }
}

TEST(ScoreGeometry, LedgerLinesAndStems) {
  EXPECT_EQ(ledgerLines(spellNote(0x30, kC)), std::vector<int>{90});       // C3: one below
  EXPECT_EQ(ledgerLines(spellNote(0x29, kC)), (std::vector<int>{90, 99})); // A2: two
  EXPECT_TRUE(ledgerLines(spellNote(0x34, kC)).empty());
  EXPECT_EQ(ledgerLines(spellNote(0x49, kC)), (std::vector<int>{staffY(32)}));
  EXPECT_FALSE(stemDown(spellNote(0x39, kC)));
  EXPECT_TRUE(stemDown(spellNote(0x3B, kC)));
  EXPECT_TRUE(stemDown(spellNote(0x40, kC)));
}

TEST(ScoreGeometry, WidthsOfEntries) {
  const GlyphWidths w;
  EXPECT_EQ(entryWidth({1000, 0x30}, kC, w), 14 + 3);
  EXPECT_EQ(entryWidth({1500, 0x31}, kC, w), 8 + 14 + 6); // sharp, dotted
  EXPECT_EQ(entryWidth({500, kRest}, kC, w), 12 + 3);
  EXPECT_EQ(entryWidth({0, kLeftRepeat}, kC, w), 15);
  EXPECT_EQ(entryWidth({0, kBarLine}, kC, w), 8);
  EXPECT_EQ(entryWidth({0, kEndMark}, kC, w), 0);
  EXPECT_EQ(entryWidth({0, 0xC0}, kC, w), 0);
  EXPECT_EQ(durationGlyph(188).index, 5);
  EXPECT_TRUE(durationGlyph(188).dotted);
  EXPECT_EQ(durationGlyph(4000).index, 0);
}

TEST(ScoreGeometry, ScrollingKeepsTheCursorInView) {
  std::vector<int> offsets;
  for (int i = 0; i <= 100; ++i) {
    offsets.push_back(20 * i); // 100 entries of 20 pixels
  }
  StripView v{&offsets, 0, 200};
  EXPECT_EQ(v.entryAt(0), 0);
  EXPECT_EQ(v.entryAt(39), 1);
  EXPECT_EQ(v.entryAt(5000), 100);
  EXPECT_EQ(v.endVisible(), 10);
  EXPECT_EQ(scrollToShow(v, 5), 0);
  EXPECT_EQ(scrollToShow(v, 10), 1);
  // At the end 15 pixels stay free: 2000 + 15 - 200 needs the view at 91.
  EXPECT_EQ(scrollToShow(v, 100), 91);
  v.first = 50;
  EXPECT_EQ(scrollToShow(v, 3), 3);
  // A view left scrolled past a shorter melody comes back to where the
  // scroll bar reaches: all of a melody that fits shows from its start.
  const std::vector<int> shortMelody = {0, 20, 40, 60};
  EXPECT_EQ(scrollToShow({&shortMelody, 3, 200}, 3), 0);
  v.first = 99;
  EXPECT_EQ(scrollToShow(v, 100), 91);
  EXPECT_EQ(entryAtPosition(offsets, 205), 10);
  EXPECT_EQ(entryAtPosition(offsets, 99999), 99);
}

TEST(ScoreGeometry, DragSelectsInBothDirections) {
  EXPECT_EQ(dragSelection(2, 5, 10), std::make_pair(2, 6));
  EXPECT_EQ(dragSelection(5, 2, 10), std::make_pair(2, 5)); // up to, not including, the cursor's entry
  EXPECT_EQ(dragSelection(5, 10, 10), std::make_pair(5, 10));
}

TEST(ScoreGeometry, EntryStaffPicksNaturalNotes) {
  const auto at = [](int y, uint16_t key = 0) { return entryStaffNote(40, y, key); };
  ASSERT_TRUE(at(staffY(23)));
  EXPECT_EQ(at(staffY(23))->semitone, 4); // E of octave 3 ... the step at the pointer
  EXPECT_EQ(at(staffY(23))->octave, 3);
  EXPECT_EQ(at(staffY(23) + 3)->semitone, 4);
  EXPECT_FALSE(at(200)); // below pitch 31
  EXPECT_FALSE(at(0));   // above pitch 59
  EXPECT_FALSE(entryStaffNote(24, staffY(23), 0));
  EXPECT_FALSE(entryStaffNote(40, staffY(23), kCSharp)); // left of seven sharps
  EXPECT_EQ(ghostX(kC), 30);
}

TEST(ScoreGeometry, GhostStandsAtThePointerWithTheToolsSign) {
  struct Case {
    NaturalNote note;
    Accidental tool;
    int step;
  };
  const Case cases[] = {
      {{3, 4}, Accidental::Flat, 23},    // E line with the flat tool: E flat, not D sharp
      {{3, 11}, Accidental::Sharp, 27},  // B sharp stays on B
      {{3, 5}, Accidental::None, 24},    // F without a tool: no sign
      {{4, 0}, Accidental::Natural, 28}, // C of octave 4
  };
  for (const Case &c : cases) {
    const Spelling s = ghostSpelling(c.note, c.tool);
    EXPECT_EQ(s.step, c.step);
    EXPECT_EQ(s.sign, c.tool);
  }
}

TEST(ScoreGeometry, PianoKeys) {
  EXPECT_EQ(pianoKeyAt(78, 180), 0);
  EXPECT_TRUE(kPianoKeys[0].silent);
  EXPECT_EQ(kPianoKeys[static_cast<size_t>(pianoKeyAt(78, 210))].semitone, 7); // white G below
  const PianoKey &cSharp = kPianoKeys[static_cast<size_t>(pianoKeyAt(150, 169))];
  EXPECT_EQ(cSharp.octave, 3);
  EXPECT_EQ(cSharp.semitone, 1);
  EXPECT_EQ(kPianoKeys[static_cast<size_t>(pianoKeyAt(413, 221))].semitone, 11);
  EXPECT_EQ(pianoKeyAt(414, 200), -1);
  EXPECT_EQ(pianoKeyAt(200, 222), -1);
}

} // namespace
} // namespace pdx::melody
