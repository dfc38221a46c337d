// Feeds arbitrary bytes to the JPEG path (libjpeg with the error exit replaced), then converts what it
// accepts.
#include "animation/image/conversion.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::animation;
  // The programs' own limits, so that fuzzing meets what users meet.
  const ImageLimits limits;
  CImportImage image;
  if (readImage(ImageType::Jpeg, {data, size}, image, limits)) {
    CAnimation picture;
    (void)ImportIntoPicture(picture, image, {FitMode::CoverScreen, Position::Centre, 10, -20});
  }
  return 0;
}
