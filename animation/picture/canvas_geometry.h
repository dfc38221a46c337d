// Where the enlarged picture lies in the canvas window and which picture
// pixel a canvas point shows. The picture is drawn three times enlarged.
#pragma once

#include "animation/picture/raster.h"

namespace pdx::animation {

inline constexpr int kCanvasScale = 3;

// Top-left corner of the enlarged picture in a canvas of the given size.
constexpr Point canvasOrigin(int canvasWidth, int canvasHeight) {
  return {(canvasWidth - CMonoPicture::kWidth * kCanvasScale) / 2,
          (canvasHeight - CMonoPicture::kHeight * kCanvasScale) / 2};
}

// True when a canvas point lies on the enlarged picture.
constexpr bool onPicture(Point canvas, Point origin) {
  return canvas.x >= origin.x && canvas.x < origin.x + CMonoPicture::kWidth * kCanvasScale &&
         canvas.y >= origin.y && canvas.y < origin.y + CMonoPicture::kHeight * kCanvasScale;
}

// The picture pixel of a canvas point; the division truncates toward zero,
// so the two canvas pixels left of or above the picture still map to 0.
constexpr Point pictureOf(Point canvas, Point origin) {
  return {(canvas.x - origin.x) / kCanvasScale, (canvas.y - origin.y) / kCanvasScale};
}

} // namespace pdx::animation
