#include "animation/ui/picture_image.h"

namespace pdx::animation {

QImage pictureImage(const CMonoPicture &picture) {
  QImage image(CMonoPicture::kWidth, CMonoPicture::kHeight, QImage::Format_Mono);
  image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  const CMonoPicture::Bits &bits = picture.bits();
  constexpr int kBands = CMonoPicture::kWidth / 8;
  for (int y = 0; y < CMonoPicture::kHeight; ++y) {
    uchar *line = image.scanLine(y);
    for (int band = 0; band < kBands; ++band) {
      line[band] = bits[static_cast<size_t>(band * CMonoPicture::kHeight + y)];
    }
  }
  return image;
}

} // namespace pdx::animation
