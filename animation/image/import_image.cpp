#include "animation/image/import_image.h"

#include "animation/image/bmp_reader.h"
#include "animation/image/gif_reader.h"
#include "animation/image/jpeg_reader.h"
#include "core/base/input_file.h"
#include "core/base/user_text.h"

#include <algorithm>
#include <cctype>
#include <new>

namespace pdx::animation {

namespace {

std::string lowerExtension(const std::string &path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return {};
  }
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

} // namespace

bool CImportImage::allocate(int width, int height) {
  pixels_.clear();
  width_ = height_ = 0;
  stride_ = strideFor(width);
  try {
    pixels_.assign(stride_ * static_cast<size_t>(height), 0);
  } catch (const std::bad_alloc &) {
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void CImportImage::setRowFromTop(int top, const uint8_t *samples, int components) {
  uint8_t *row = rowFromBottom(height_ - 1 - top);
  for (int x = 0; x < width_; ++x) {
    const uint8_t *s = samples + static_cast<size_t>(x) * static_cast<size_t>(components);
    row[3 * x] = components == 3 ? s[2] : s[0];
    row[3 * x + 1] = components == 3 ? s[1] : s[0];
    row[3 * x + 2] = s[0];
  }
}

std::array<uint8_t, 3> CImportImage::rgbAt(int x, int y) const {
  const uint8_t *p = rowFromBottom(height_ - 1 - y) + 3 * x;
  return {p[2], p[1], p[0]};
}

std::optional<ImageType> imageTypeOf(const std::string &path) {
  const std::string ext = lowerExtension(path);
  if (ext == ".bmp") {
    return ImageType::Bmp;
  }
  if (ext == ".gif") {
    return ImageType::Gif;
  }
  if (ext == ".jpg") {
    return ImageType::Jpeg;
  }
  return std::nullopt;
}

bool readImage(ImageType type, std::span<const uint8_t> data, CImportImage &image,
               const ImageLimits &limits) {
  switch (type) {
  case ImageType::Bmp:
    return readBmp(data, image, limits);
  case ImageType::Gif:
    return readGif(data, "", image, limits);
  case ImageType::Jpeg: {
    FILE *file = ::fmemopen(const_cast<uint8_t *>(data.data()), data.size(), "rb");
    if (file == nullptr) {
      image.setStatus(pdx::text::translate("pdx::animation::ImportImage",
                                           "메모리가 부족하여 작업을 수행할 수 없습니다."));
      return false;
    }
    const bool ok = readJpeg(file, image, limits);
    std::fclose(file);
    return ok;
  }
  }
  return false;
}

LoadResult CImportImage::LoadImage(const std::string &path, const ImageLimits &limits) {
  const auto type = imageTypeOf(path);
  if (!type) {
    return LoadResult::UnsupportedType;
  }
  bool ok = false;
  if (*type == ImageType::Jpeg) {
    // Read as the decoder asks, so the file is never held whole.
    InputFd input(path, kMaxPictureFileBytes);
    FILE *file = input.error() == InputError::None ? ::fdopen(input.fd(), "rb") : nullptr;
    if (file == nullptr) {
      status_ = pdx::text::fill(
          pdx::text::translate("pdx::animation::ImportImage", "%1 파일을 열 수 없습니다.\n"), {path});
      return LoadResult::ReaderFailed;
    }
    input.release();
    ok = readJpeg(file, *this, limits);
    std::fclose(file);
  } else {
    const InputBytes in = readInputFile(path, kMaxPictureFileBytes);
    if (in.error != InputError::None) {
      status_ =
          *type == ImageType::Bmp ? "Can't open file for reading :\n" + path : "Cant open GIF :\n" + path;
      return LoadResult::ReaderFailed;
    }
    ok = *type == ImageType::Bmp ? readBmp(in.bytes, *this, limits) : readGif(in.bytes, path, *this, limits);
  }
  return ok ? LoadResult::Ok : LoadResult::ReaderFailed;
}

} // namespace pdx::animation
