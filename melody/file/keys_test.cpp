#include "melody/file/keys.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

TEST(Keys, ImplyTheirAccidentalsCumulatively) {
  const KeySignature &g = keySignature(10);
  EXPECT_EQ(impliedAccidental(g, 5), Accidental::Sharp);
  EXPECT_EQ(impliedAccidental(g, 0), Accidental::None);
  const KeySignature &d = keySignature(3);
  EXPECT_EQ(impliedAccidental(d, 0), Accidental::Sharp);
  EXPECT_EQ(impliedAccidental(d, 7), Accidental::None);
  const KeySignature &f = keySignature(7);
  EXPECT_EQ(impliedAccidental(f, 11), Accidental::Flat);
  EXPECT_EQ(impliedAccidental(f, 4), Accidental::None);
  const KeySignature &cFlat = keySignature(17);
  const KeySignature &cSharp = keySignature(1);
  for (int semitone : {0, 2, 4, 5, 7, 9, 11}) {
    EXPECT_EQ(impliedAccidental(cFlat, semitone), Accidental::Flat) << semitone;
    EXPECT_EQ(impliedAccidental(cSharp, semitone), Accidental::Sharp) << semitone;
  }
}

TEST(Keys, UnknownIdentifiersBehaveAsCMajor) {
  for (uint16_t id : {4, 11, 14, 18, 999}) {
    EXPECT_FALSE(isKnownKey(id));
    EXPECT_EQ(keySignature(id).id, 0);
  }
  EXPECT_EQ(kKeySignatures[1].label, "사장조 (G, #1)");
  EXPECT_TRUE(isKnownKey(17));
}

} // namespace
} // namespace pdx::melody
