#include "animation/picture/canvas_geometry.h"
#include "animation/picture/raster.h"
#include "animation/picture/spray.h"

#include <bit>
#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

int countBlack(const CMonoPicture &p) {
  int n = 0;
  for (uint8_t byte : p.bits()) {
    n += std::popcount(byte);
  }
  return n;
}

TEST(Raster, LinesLeaveOutTheirEndPoint) {
  CMonoPicture p;
  drawLine(p, {3, 3}, {3, 3}, true);
  EXPECT_EQ(countBlack(p), 0);
  drawLine(p, {0, 0}, {10, 5}, true);
  EXPECT_EQ(countBlack(p), 10);
  EXPECT_TRUE(p.pixel(0, 0));
  EXPECT_FALSE(p.pixel(10, 5));
  drawLine(p, {90, 50}, {100, 50}, true);
  EXPECT_TRUE(p.pixel(95, 50));
}

TEST(Raster, RectangleIncludesBothCorners) {
  CMonoPicture p;
  drawRectangle(p, {10, 10}, {5, 20}, true);
  for (int y = 0; y < 51; ++y) {
    for (int x = 0; x < 96; ++x) {
      const bool onOutline =
          ((x == 5 || x == 10) && y >= 10 && y <= 20) || ((y == 10 || y == 20) && x >= 5 && x <= 10);
      ASSERT_EQ(p.pixel(x, y), onOutline) << x << "," << y;
    }
  }
}

class EllipseBox : public ::testing::TestWithParam<Rect> {};

TEST_P(EllipseBox, TouchesEverySideAndStaysClosedAndSymmetric) {
  const Rect box = GetParam();
  CMonoPicture p;
  drawEllipse(p, {box.right, box.bottom}, {box.left, box.top}, true);
  int minX = 96, maxX = -1, minY = 51, maxY = -1;
  for (int y = 0; y < 51; ++y) {
    for (int x = 0; x < 96; ++x) {
      if (p.pixel(x, y)) {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
        maxY = std::max(maxY, y);
        EXPECT_TRUE(p.pixel(box.left + box.right - x, y)) << "mirror of " << x << "," << y;
        EXPECT_TRUE(p.pixel(x, box.top + box.bottom - y)) << "mirror of " << x << "," << y;
      }
    }
  }
  EXPECT_EQ((std::array{minX, maxX, minY, maxY}), (std::array{box.left, box.right, box.top, box.bottom}));
  const int outline = countBlack(p);
  floodFill(p, {(box.left + box.right) / 2, (box.top + box.bottom) / 2}, true);
  EXPECT_FALSE(p.pixel(0, 0)) << "the fill leaked out of the ellipse";
  EXPECT_GE(countBlack(p), outline);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EllipseBox,
                         ::testing::Values(Rect{10, 10, 30, 20}, Rect{10, 10, 31, 21}, Rect{20, 5, 23, 45},
                                           Rect{2, 2, 93, 48}, Rect{40, 20, 41, 21}));

TEST(Raster, FloodFillStaysInItsRegion) {
  CMonoPicture p;
  drawRectangle(p, {10, 10}, {20, 20}, true);
  drawRectangle(p, {30, 10}, {40, 20}, true);
  const CMonoPicture outlines = p;
  floodFill(p, {10, 10}, true);
  EXPECT_EQ(p, outlines);
  floodFill(p, {15, 10}, false);
  EXPECT_FALSE(p.pixel(10, 15));
  EXPECT_TRUE(p.pixel(30, 15));
  EXPECT_EQ(countBlack(p), countBlack(outlines) / 2);
  floodFill(p, {35, 15}, true);
  EXPECT_TRUE(p.pixel(35, 15));
  EXPECT_FALSE(p.pixel(25, 15));
  EXPECT_EQ(countBlack(p), 40 + 81);
}

TEST(Spray, EightSpraysCoverTheDisk) {
  SystemRandom random(3);
  Spray spray(random);
  CMonoPicture p;
  int before = 0;
  for (int i = 0; i < 8; ++i) {
    spray.sprayAt(p, {40, 25}, true);
    EXPECT_GE(countBlack(p), before);
    before = countBlack(p);
  }
  EXPECT_EQ(countBlack(p), 73);
  EXPECT_EQ((std::array{Spray::inMask(5, 0), Spray::inMask(4, 0), Spray::inMask(0, 5), Spray::inMask(0, 4)}),
            (std::array{true, false, true, false}));
  CMonoPicture corner;
  for (int i = 0; i < 8; ++i) {
    spray.sprayAt(corner, {0, 0}, true);
  }
  EXPECT_EQ(countBlack(corner), 6 + 5 + 5 + 4 + 3 + 1);
}

TEST(CanvasGeometry, OriginAndTruncatingDivision) {
  const Point origin = canvasOrigin(320, 218);
  EXPECT_EQ(origin, (Point{16, 32}));
  EXPECT_TRUE(onPicture({16, 32}, origin));
  EXPECT_FALSE(onPicture({16 + 288, 40}, origin));
  EXPECT_FALSE(onPicture({15, 40}, origin));
  EXPECT_EQ(pictureOf({16 + 287, 32 + 152}, origin), (Point{95, 50}));
  EXPECT_EQ(pictureOf({14, 30}, origin), (Point{0, 0}));
  EXPECT_EQ(pictureOf({13, 40}, origin), (Point{-1, 2}));
}

} // namespace
} // namespace pdx::animation
