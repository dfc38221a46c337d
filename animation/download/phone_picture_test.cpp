#include "animation/download/phone_picture.h"
#include "animation/file/mono_picture.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace pdx::animation
