#include "melody/score/note_tools.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

TEST(NoteTools, DurationsPlainAndDotted) {
  const std::vector<std::tuple<int, int, int>> table = {
      {kWholeNote, 4000, 4000}, {kHalfNote, 2000, 3000},    {kQuarterNote, 1000, 1500},
      {kEighthNote, 500, 750},  {kSixteenthNote, 250, 375}, {kThirtySecondNote, 125, 188},
      {kWholeRest, 4000, 4000}, {kHalfRest, 2000, 3000},    {kQuarterRest, 1000, 1500},
      {kEighthRest, 500, 750},  {kSixteenthRest, 250, 375}, {kThirtySecondRest, 125, 188},
  };
  for (const auto &[tool, plain, dotted] : table) {
    EXPECT_EQ(toolDuration(tool, false), plain) << tool;
    EXPECT_EQ(toolDuration(tool, true), dotted) << tool;
  }
  EXPECT_EQ(toolDuration(4421, true), 1000);
  EXPECT_TRUE(isRestTool(kEighthRest));
  EXPECT_FALSE(isRestTool(kEighthNote));
  EXPECT_FALSE(isRestTool(4452));
}

TEST(NoteTools, AccidentalToolsAndTheKeyAdjustThePickedNote) {
  constexpr uint16_t kG = 10, kF = 7, kCSharp = 1;
  const auto adjusted = [](StaffNote n, Accidental a, uint16_t key) {
    const auto r = adjustForKey(n, a, key);
    return r ? (r->octave << 4) | r->semitone : -1;
  };
  EXPECT_EQ(adjusted({3, 5}, Accidental::Natural, kG), 0x35);
  EXPECT_EQ(adjusted({3, 5}, Accidental::None, kG), 0x36);
  EXPECT_EQ(adjusted({3, 0}, Accidental::Flat, 0), 0x2B);
  EXPECT_EQ(adjusted({3, 11}, Accidental::Sharp, 0), 0x40);
  EXPECT_EQ(adjusted({3, 11}, Accidental::None, kF), 0x3A);
  EXPECT_EQ(adjusted({3, 11}, Accidental::None, kCSharp), 0x40);
  EXPECT_EQ(adjusted({3, 7}, Accidental::Sharp, kF), 0x38) << "the tool wins over the key";
  EXPECT_EQ(adjusted({3, 9}, Accidental::None, 4), 0x39) << "an unknown key is C major";
  EXPECT_EQ(adjusted({0, 0}, Accidental::Flat, 0), -1);
  EXPECT_EQ(adjusted({10, 11}, Accidental::Sharp, 0), -1) << "0xB0 is no note";
  EXPECT_FALSE(noteCode({3, 12}));
  EXPECT_EQ(noteCode({10, 15}), std::nullopt);
  EXPECT_EQ(*noteCode({10, 11}), 0xAB);
}

} // namespace
} // namespace pdx::melody
