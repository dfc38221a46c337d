// Uncompressed bottom-up BMP files of 1, 4, 8 and 24 bits a pixel.
#pragma once

#include "animation/image/import_image.h"

namespace pdx::animation {

// Reads a BMP file's bytes; the image's status says "OK" on success or why
// the file was refused.
[[nodiscard]] bool readBmp(std::span<const uint8_t> data, CImportImage &image,
                           const ImageLimits &limits = {});

} // namespace pdx::animation
