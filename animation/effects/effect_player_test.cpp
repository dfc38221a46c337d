#include "animation/effects/effect_player.h"
#include "animation/effects/effect_table.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

// Draws numbers from a fixed list in turn.
class ScriptedRandom : public RandomSource {
public:
  explicit ScriptedRandom(std::vector<uint32_t> values) : values_(std::move(values)) {}
  uint32_t below(uint32_t bound) override { return values_[next_++ % values_.size()] % bound; }

private:
  std::vector<uint32_t> values_;
  size_t next_ = 0;
};

// Columns 0 and 95 black.
CMonoPicture edgeColumns() {
  CMonoPicture p;
  for (int y = 0; y < 51; ++y) {
    p.setPixel(0, y, true);
    p.setPixel(95, y, true);
  }
  return p;
}

// A picture in which every row and column differs, so that misplaced
// pixels show.
CMonoPicture pattern() {
  CMonoPicture p;
  for (int y = 0; y < 51; ++y) {
    for (int x = 0; x < 96; ++x) {
      p.setPixel(x, y, (x * 5 + y * y) % 7 < 3);
    }
  }
  return p;
}

std::vector<int> blackColumns(const CMonoPicture &p, int y) {
  std::vector<int> columns;
  for (int x = 0; x < 96; ++x) {
    if (p.pixel(x, y)) {
      columns.push_back(x);
    }
  }
  return columns;
}

bool rowEquals(const CMonoPicture &a, int ya, const CMonoPicture &b, int yb) {
  for (int x = 0; x < 96; ++x) {
    if (a.pixel(x, ya) != b.pixel(x, yb)) {
      return false;
    }
  }
  return true;
}

CMonoPicture allBlack() {
  CMonoPicture::Bits bits;
  bits.fill(0xFF);
  CMonoPicture p;
  p.setBits(bits);
  return p;
}

TEST(EffectTable, ListsTwentySixNamedCodes) {
  const auto &table = effectTable();
  for (int row = 0; row < kListedEffects; ++row) {
    EXPECT_EQ(table[static_cast<size_t>(row)].code, row);
    EXPECT_EQ(effectRowOf(static_cast<uint16_t>(row)), row);
  }
  EXPECT_STREQ(table[22].name, "위에서 아래로 오므리기 ");
  EXPECT_STREQ(table[9].name, "점점이 나타나기");
  EXPECT_EQ(effectRowOf(26), std::nullopt);
  EXPECT_EQ(effectCodeAt(26), std::nullopt);
  EXPECT_EQ(effectCodeAt(-1), std::nullopt);
}

TEST(EffectFrames, CountAndEndState) {
  // Frames of each code, as 0 for endless effects and negated for those
  // that end on a white screen; the others end on the picture.
  const std::pair<uint16_t, int> rules[] = {
      {0, 12},   {1, 12},   {2, 13},   {3, 13},   {4, 14},   {5, 14},   {6, 14},  {7, 14}, {8, 14}, {9, 16},
      {10, 12},  {11, 12},  {12, 13},  {13, 13},  {14, 0},   {15, 0},   {16, 0},  {17, 0}, {18, 0}, {19, 0},
      {20, -14}, {21, -14}, {22, -14}, {23, -14}, {24, -14}, {25, -16}, {26, 14}, {27, 1}, {999, 1}};
  for (auto [code, frames] : rules) {
    SystemRandom random(7);
    const auto shown = effectFrames(code, pattern(), random, 40);
    EXPECT_EQ(shown.size(), frames == 0 ? 40u : static_cast<size_t>(std::abs(frames))) << code;
    if (frames != 0) {
      EXPECT_EQ(shown.back(), frames < 0 ? CMonoPicture() : pattern()) << code;
    }
  }
}

TEST(Slide, Codes1And11MoveEightColumnsAFrameAnd11WrapsWhatLeavesOnTheRight) {
  for (uint16_t code : {1, 11}) {
    SystemRandom random;
    const auto frames = effectFrames(code, edgeColumns(), random, 40);
    ASSERT_EQ(frames.size(), 12u);
    for (size_t k = 0; k < frames.size(); ++k) {
      const int left = 88 - 8 * static_cast<int>(k);
      const std::vector<int> expected = left == 0   ? std::vector{0, 95}
                                        : code == 1 ? std::vector{left}
                                                    : std::vector{left - 1, left};
      EXPECT_EQ(blackColumns(frames[k], 3), expected) << code << " frame " << k;
    }
  }
}

TEST(Slide, Code0FirstShowsTheRightmostEightColumnsAtTheLeft) {
  CMonoPicture picture;
  picture.setPixel(88, 4, true);
  picture.setPixel(95, 5, true);
  picture.setPixel(87, 6, true);
  SystemRandom random;
  CEffectPlayer first(random);
  EXPECT_TRUE(first.start(0, picture));
  CMonoPicture expected;
  expected.setPixel(0, 4, true);
  expected.setPixel(7, 5, true);
  EXPECT_EQ(first.display(), expected);
}

TEST(Slide, Code26MovesDiagonally) {
  CMonoPicture picture;
  picture.setPixel(95, 50, true);
  SystemRandom random;
  const auto frames = effectFrames(26, picture, random, 40);
  ASSERT_EQ(frames.size(), 14u);
  EXPECT_EQ(frames[0], CMonoPicture());
  EXPECT_EQ(frames[1], CMonoPicture());
  EXPECT_TRUE(frames[11].pixel(95 - 16, 50 - 3));
  EXPECT_TRUE(frames[12].pixel(95 - 8, 50));
  EXPECT_TRUE(frames[13].pixel(95, 50));
}

// Stretches and smears: after `steps` steps each shown row is the picture's
// row `source(y)`, or white where that is -1.
TEST(RowEffects, EachRowShowsItsPictureRowOrWhite) {
  const struct {
    uint16_t code;
    int steps;
    std::function<int(int)> source;
  } cases[] = {
      // Height one: row 0 at the top, bottom or middle.
      {5, 0, [](int y) { return y == 0 ? 0 : -1; }},
      {6, 0, [](int y) { return y == 50 ? 0 : -1; }},
      {4, 0, [](int y) { return y == 25 ? 0 : -1; }},
      // Height 47: every row but four spread evenly.
      {21, 1,
       [](int y) {
         int source = y;
         for (int skipped : {1, 13, 26, 39}) {
           source += source >= skipped ? 1 : 0;
         }
         return y < 47 ? source : -1;
       }},
      // Code 7 smears row 46 upward over rows 0 to 46; code 24 erases from the bottom up.
      {7, 1, [](int y) { return y <= 46 ? 46 : y; }},
      {24, 1, [](int y) { return y >= 47 ? 46 : y; }},
  };
  const CMonoPicture picture = pattern();
  for (const auto &c : cases) {
    SystemRandom random;
    CEffectPlayer player(random);
    player.start(c.code, picture);
    for (int step = 0; step < c.steps; ++step) {
      ASSERT_TRUE(player.next());
    }
    for (int y = 0; y < 51; ++y) {
      const int source = c.source(y);
      EXPECT_TRUE(source < 0 ? blackColumns(player.display(), y).empty()
                             : rowEquals(player.display(), y, picture, source))
          << c.code << " row " << y;
    }
  }
}

TEST(Dots, EightFramesCopyHalfOfEveryCell) {
  const CMonoPicture black = allBlack();
  ScriptedRandom random({3, 3, 9, 0, 15, 1, 1, 2, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14});
  const auto frames = effectFrames(9, black, random, 40);
  ASSERT_EQ(frames.size(), 16u);
  for (int top = 0; top < 48; top += 4) {
    for (int left = 0; left < 96; left += 4) {
      int set = 0;
      for (int m = 0; m < 16; ++m) {
        set += frames[7].pixel(left + m / 4, top + m % 4);
      }
      ASSERT_EQ(set, 8) << left << "," << top;
    }
  }
  EXPECT_EQ(frames.back(), black);
}

TEST(Dots, TheFirstFrameFollowsThePermutation) {
  const CMonoPicture black = allBlack();
  // Slots drawn: 5 for 0, then 5 again (taken) and 6 for 1, then 0..13 in turn.
  ScriptedRandom random({5, 5, 6, 0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  CEffectPlayer player(random);
  player.start(9, black);
  // Step 0 uses permutation[0], which holds 2; cell 0 shows pixel m = 2.
  EXPECT_TRUE(player.display().pixel(0, 2));
  EXPECT_FALSE(player.display().pixel(0, 0));
  // Cell 189 (band 7, column 21) counts as 196: m = (2 + 196) mod 16 = 6.
  EXPECT_TRUE(player.display().pixel(84 + 1, 28 + 2));
  // Cell 188 (band 7, column 20): m = (2 + 188) mod 16 = 14.
  EXPECT_TRUE(player.display().pixel(80 + 3, 28 + 2));
}

// Each frame's column x shows the picture's column `source(frame, x)`, or
// white where that is -1.
TEST(Pieces, EachFrameShowsItsPictureColumnsOrWhite) {
  const struct {
    uint16_t code;
    std::function<int(size_t, int)> source;
  } cases[] = {
      // Code 14 alternates the halves in the middle.
      {14, [](size_t k, int x) { return x >= 24 && x < 72 ? (k % 2 == 0 ? 0 : 48) + x - 24 : -1; }},
      // Rolling pieces move right one piece a frame.
      {17,
       [](size_t k, int x) {
         constexpr int kOrder[4][3] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 0}, {0, 1, 2}};
         return kOrder[k][x / 32] * 32 + x % 32;
       }},
  };
  const CMonoPicture picture = pattern();
  for (const auto &c : cases) {
    SystemRandom random;
    const auto frames = effectFrames(c.code, picture, random, 4);
    ASSERT_EQ(frames.size(), 4u);
    for (size_t k = 0; k < frames.size(); ++k) {
      for (int y = 0; y < 51; ++y) {
        for (int x = 0; x < 96; ++x) {
          const int source = c.source(k, x);
          ASSERT_EQ(frames[k].pixel(x, y), source >= 0 && picture.pixel(source, y))
              << c.code << " frame " << k << ": " << x << "," << y;
        }
      }
    }
  }
}

} // namespace
} // namespace pdx::animation
