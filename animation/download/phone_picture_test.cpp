#include "animation/download/phone_picture.h"
#include "animation/file/mono_picture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pdx::animation {
namespace {

TEST(PhonePicture, RowsRunFromTheTopWithTheLeftmostColumnHigh) {
  CMonoPicture picture;
  picture.setPixel(0, 0, true);
  picture.setPixel(95, 50, true);
  picture.setPixel(9, 1, true);
  picture.setPixel(17, 0, true);
  const auto rows = phonePictureBytes(picture.bits());
  std::array<uint8_t, kPhonePictureBytes> expected{};
  expected[0] = 0x80;
  expected[611] = 0x01;
  expected[12 + 1] = 0x40;
  expected[2] = 0x40;
  EXPECT_EQ(rows, expected);
}

TEST(PhonePicture, SetPayloadCarriesSlotNameEffectAndRows) {
  for (const std::string &name : {std::string("Ani"), std::string(16, 'n')}) {
    CAnimation animation;
    animation.setName(name);
    animation.setEffect(3);
    animation.setPixel(0, 0, true);
    animation.setPixel(95, 50, true);
    const std::vector<uint8_t> p = animationSetPayload(1, animation);
    ASSERT_EQ(p.size(), 631u);
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(std::string(p.begin() + 1, p.begin() + 1 + static_cast<long>(name.size())), name);
    EXPECT_EQ(p[1 + name.size()], 0); // padded up to the separator at 17
    EXPECT_EQ(p[17], 0);
    EXPECT_EQ(p[18], 4);
    EXPECT_EQ(p[19], 0x80);
    EXPECT_EQ(p[630], 0x01);
  }
}

} // namespace
} // namespace pdx::animation
