// The 96 x 51 picture as an image for painting: one bit a pixel, black ink
// on white.
#pragma once

#include "animation/file/mono_picture.h"

#include <QImage>

namespace pdx::animation {

QImage pictureImage(const CMonoPicture &picture);

} // namespace pdx::animation
