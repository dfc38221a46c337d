// The orientation a camera records in a JPEG file's EXIF block, and turning
// a decoded picture the way a viewer shows it.
#pragma once

#include "animation/image/import_image.h"

namespace pdx::animation {

// The orientation tag (1 to 8) of an APP1 block's data ("Exif\0\0" and a
// TIFF structure in either byte order); 1 (as stored) when there is none or
// the block is damaged.
int exifOrientation(std::span<const uint8_t> app1);

// Mirrors and turns `image` as orientation 2 to 8 asks: 2 mirrored, 3 half
// turn, 4 upside down, 5 transposed, 6 quarter turn clockwise, 7 transverse,
// 8 quarter turn anticlockwise. False (image unchanged) without memory.
[[nodiscard]] bool applyOrientation(CImportImage &image, int orientation);

} // namespace pdx::animation
