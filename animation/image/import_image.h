// An outside picture in memory as the import works on it: 24 bits a pixel
// in the order blue, green, red, the bottom row first, each row padded with
// zero bytes to a multiple of 4 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pdx::animation {

// Largest image the readers accept; larger ones are refused (a reader
// failure) before any pixel memory is taken. 64 megapixels is more than a
// photograph of any phone or camera of today, and its 24-bit form 192 MB.
struct ImageLimits {
  int maxWidth = 16384;
  int maxHeight = 16384;
  int64_t maxPixels = int64_t(64) << 20;
  // What libjpeg may take for its own buffers (a progressive picture keeps
  // all its coefficients); past it the picture is refused.
  long maxDecoderBytes = 256L << 20;
  bool allows(int64_t width, int64_t height) const {
    return width > 0 && height > 0 && width <= maxWidth && height <= maxHeight && width * height <= maxPixels;
  }
};

// Largest picture file read: a 24-bit BMP of the largest accepted size.
inline constexpr uint64_t kMaxPictureFileBytes = 3 * (uint64_t(64) << 20) + (uint64_t(1) << 20);

enum class [[nodiscard]] LoadResult : int{Ok = 0, ReaderFailed = 1, UnsupportedType = 2};

enum class ImageType { Bmp, Gif, Jpeg };

class CImportImage {
public:
  static size_t strideFor(int width) { return (static_cast<size_t>(width) * 24 + 31) / 32 * 4; }

  // Makes a zeroed (black) image; false when the memory cannot be had.
  [[nodiscard]] bool allocate(int width, int height);
  // Loads a .bmp, .gif or .jpg file (the extension decides, in any case).
  LoadResult LoadImage(const std::string &path, const ImageLimits &limits = {});

  int width() const { return width_; }
  int height() const { return height_; }
  size_t stride() const { return stride_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  // What the last reader said: "OK", "No Error" or the reason it failed.
  const std::string &status() const { return status_; }
  void setStatus(std::string status) { status_ = std::move(status); }

  uint8_t *rowFromBottom(int row) { return pixels_.data() + static_cast<size_t>(row) * stride_; }
  const uint8_t *rowFromBottom(int row) const { return pixels_.data() + static_cast<size_t>(row) * stride_; }
  // Stores row `top` (counted from the top) from red, green, blue triples,
  // or from grey bytes when `components` is 1.
  void setRowFromTop(int top, const uint8_t *samples, int components);
  // Red, green and blue of pixel (x, y), y counted from the top.
  std::array<uint8_t, 3> rgbAt(int x, int y) const;

private:
  std::vector<uint8_t> pixels_;
  int width_ = 0;
  int height_ = 0;
  size_t stride_ = 0;
  std::string status_;
};

// The type a file name's extension names: ".bmp", ".gif" or ".jpg" in any
// letter case; nothing for others (".jpeg" included).
std::optional<ImageType> imageTypeOf(const std::string &path);

// Reads an image of the given type from memory into `image`.
[[nodiscard]] bool readImage(ImageType type, std::span<const uint8_t> data, CImportImage &image,
                             const ImageLimits &limits = {});

} // namespace pdx::animation
