#include "animation/file/animation.h"

#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

struct BitPlace {
  int x, y;
  size_t byte;
  uint8_t mask;
};

class PixelToBit : public ::testing::TestWithParam<BitPlace> {};

TEST_P(PixelToBit, SetsExactlyOneBit) {
  const auto place = GetParam();
  CMonoPicture picture;
  picture.setPixel(place.x, place.y, true);
  for (size_t i = 0; i < CMonoPicture::kBytes; ++i) {
    EXPECT_EQ(picture.bits()[i], i == place.byte ? place.mask : 0) << "byte " << i;
  }
  EXPECT_TRUE(picture.pixel(place.x, place.y));
  picture.setPixel(place.x, place.y, false);
  EXPECT_EQ(picture, CMonoPicture());
}

INSTANTIATE_TEST_SUITE_P(Corners, PixelToBit,
                         ::testing::Values(BitPlace{0, 0, 0, 0x80}, BitPlace{95, 50, 611, 0x01},
                                           BitPlace{8, 0, 51, 0x80}, BitPlace{7, 1, 1, 0x01},
                                           BitPlace{13, 20, 71, 0x04}));

TEST(MonoPicture, PixelsOutsideAreWhiteAndDropped) {
  CMonoPicture picture;
  for (auto [x, y] : {std::pair{-1, 0}, {96, 0}, {0, -1}, {0, 51}}) {
    picture.setPixel(x, y, true);
    EXPECT_FALSE(picture.pixel(x, y));
  }
  EXPECT_EQ(picture, CMonoPicture());
}

TEST(Animation, SettingTheSameEffectKeepsItUnmodified) {
  CAnimation animation;
  animation.setEffect(0);
  EXPECT_FALSE(animation.modified());
  animation.setEffect(7);
  EXPECT_TRUE(animation.modified());
  EXPECT_EQ(animation.effect(), 7);
}

TEST(Animation, NamesAreCutWithoutSplittingACharacter) {
  CAnimation animation;
  animation.setName("abc\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1");
  EXPECT_EQ(animation.name().view(), "abc\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1");
  animation.setStoredName("0123456789abcdefXYZ");
  EXPECT_EQ(animation.name().view(), "0123456789abcdef");
}

} // namespace
} // namespace pdx::animation
