#include "animation/editor/import_preview.h"

#include "core/base/message_box_codes.h"

#include <algorithm>

namespace pdx::animation {

PreviewSize fitInside(int width, int height, int boxWidth, int boxHeight) {
  if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) {
    return {};
  }
  if (width <= boxWidth && height <= boxHeight) {
    return {width, height};
  }
  // Compared as products so that no precision is lost on large images.
  const int64_t w = width, h = height;
  if (w * boxHeight >= h * boxWidth) {
    return {boxWidth, static_cast<int>(std::max<int64_t>(1, h * boxWidth / w))};
  }
  return {static_cast<int>(std::max<int64_t>(1, w * boxHeight / h)), boxHeight};
}

std::vector<uint32_t> sampleImage(const CImportImage &image, PreviewSize size) {
  std::vector<uint32_t> pixels;
  if (image.empty() || size.width <= 0 || size.height <= 0) {
    return pixels;
  }
  pixels.reserve(static_cast<size_t>(size.width) * static_cast<size_t>(size.height));
  for (int y = 0; y < size.height; ++y) {
    const int top = static_cast<int>(static_cast<int64_t>(y) * image.height() / size.height);
    const uint8_t *row = image.rowFromBottom(image.height() - 1 - top);
    for (int x = 0; x < size.width; ++x) {
      const uint8_t *bgr =
          row + static_cast<size_t>(static_cast<int64_t>(x) * image.width() / size.width) * 3;
      pixels.push_back(0xFF000000u | uint32_t{bgr[2]} << 16 | uint32_t{bgr[1]} << 8 | bgr[0]);
    }
  }
  return pixels;
}

CMonoPicture convertedScreen(const CImportImage &image, const ImportSettings &settings) {
  CAnimation screen;
  if (!image.empty()) {
    (void)ImportIntoPicture(screen, image, settings);
  }
  return screen;
}

std::vector<ImportNotice> importNotices(const std::string &path, LoadResult load,
                                        const std::string &readerStatus) {
  switch (load) {
  case LoadResult::Ok:
    return {};
  case LoadResult::UnsupportedType:
    return {{importMessage(ImportResult::NotAPicture), kMbOk | kMbIconExclamation}};
  case LoadResult::ReaderFailed:
    break;
  }
  std::vector<ImportNotice> notices;
  // Only the JPEG reader speaks to the user; the others' status texts are
  // kept for diagnosis.
  if (imageTypeOf(path) == ImageType::Jpeg && !readerStatus.empty()) {
    notices.push_back({readerStatus, kMbOk | kMbIconStop});
  }
  notices.push_back({importMessage(ImportResult::CannotRead), kMbOk | kMbIconExclamation});
  return notices;
}

} // namespace pdx::animation
