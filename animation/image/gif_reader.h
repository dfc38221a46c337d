// The first image of a GIF87a or GIF89a file; the transparent colour that
// its graphic control extension names becomes white.
#pragma once

#include "animation/image/import_image.h"

namespace pdx::animation {

// Reads a GIF file's bytes; the image's status is "No Error" unless
// something was wrong (a failure, or a note such as non-square pixels).
// Image data that end early leave the rest of the image in colour 0.
[[nodiscard]] bool readGif(std::span<const uint8_t> data, const std::string &name, CImportImage &image,
                           const ImageLimits &limits = {});

} // namespace pdx::animation
