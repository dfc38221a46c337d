// JPEG files through libjpeg, grey or colour.
#pragma once

#include "animation/image/import_image.h"

#include <cstdio>

namespace pdx::animation {

// Decodes the JPEG stream `file` is open on; on failure the image's status
// holds the message for the user.
[[nodiscard]] bool readJpeg(FILE *file, CImportImage &image, const ImageLimits &limits = {});

} // namespace pdx::animation
