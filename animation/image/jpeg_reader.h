// JPEG files through libjpeg: grey, colour, CMYK and YCCK, turned the way
// their EXIF orientation says.
#pragma once

#include "animation/image/import_image.h"

#include <cstdio>

namespace pdx::animation {

// Decodes the JPEG stream `file` is open on; on failure the image's status
// holds the message for the user. A stream whose every row was read counts
// as read even when libjpeg fails after it (a damaged tail); its first
// warning, or that failure, becomes the status instead of "OK".
[[nodiscard]] bool readJpeg(FILE *file, CImportImage &image, const ImageLimits &limits = {});

} // namespace pdx::animation
