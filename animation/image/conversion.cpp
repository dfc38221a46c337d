#include "animation/image/conversion.h"

#include "core/base/user_text.h"

#include <algorithm>
#include <string>

namespace pdx::animation {

namespace {

constexpr int W = CMonoPicture::kWidth;
constexpr int H = CMonoPicture::kHeight;

int offsetFor(int spare, Position position) {
  switch (position) {
  case Position::TopLeft:
    return 0;
  case Position::Centre:
    return spare / 2;
  case Position::BottomRight:
    return spare;
  }
  return 0;
}

// Grey values of output row `row` (from the bottom) after resampling and
// the brightness and contrast adjustment.
void greyRow(const CImportImage &source, int row, int width, int height, int brightness, int contrast,
             std::vector<int> &grey) {
  const auto sourceRow = static_cast<int>(static_cast<int64_t>(row) * source.height() / height);
  const uint8_t *pixels = source.rowFromBottom(sourceRow);
  for (int j = 0; j < width; ++j) {
    const auto column = static_cast<size_t>(static_cast<int64_t>(j) * source.width() / width);
    const uint8_t *p = pixels + 3 * column;
    grey[static_cast<size_t>(j)] =
        (adjustByte(p[0], brightness, contrast) + adjustByte(p[1], brightness, contrast) +
         adjustByte(p[2], brightness, contrast)) /
        3;
  }
}

} // namespace

Placement placeImage(int width, int height, FitMode fit, Position position) {
  Placement place{W, H, 0, 0};
  if (width <= 0 || height <= 0) {
    return {0, 0, 0, 0};
  }
  const int64_t w = width, h = height;
  const bool tall = h * W >= w * H;
  const int widthFor51 = static_cast<int>(w * H / h);
  const int heightFor96 = static_cast<int>(h * W / w);
  if (fit == FitMode::WholeImage) {
    place.width = tall ? widthFor51 : W;
    place.height = tall ? H : heightFor96;
  } else if (fit == FitMode::CoverScreen) {
    place.width = tall ? W : widthFor51;
    place.height = tall ? heightFor96 : H;
  }
  place.x = offsetFor(W - place.width, position);
  place.y = offsetFor(H - place.height, position);
  return place;
}

uint8_t adjustByte(int byte, int brightness, int contrast) {
  const int c = byte + brightness;
  return static_cast<uint8_t>(c >= 128 ? std::clamp(c - contrast, 128, 255)
                                       : std::clamp(c + contrast, 0, 128));
}

void convertRows(const CImportImage &source, int width, int height, int brightness, int contrast,
                 const ConvertedRow &sink) {
  if (width <= 0 || height <= 0 || source.empty()) {
    return;
  }
  const auto n = static_cast<size_t>(width);
  std::vector<int> grey(n), carried(n + 1, 0), below(n + 1, 0);
  std::vector<uint8_t> white(n);
  for (int row = 0; row < height; ++row) {
    greyRow(source, row, width, height, brightness, contrast, grey);
    std::fill(below.begin(), below.end(), 0);
    for (size_t x = 0; x < n; ++x) {
      const int value = grey[x] + carried[x];
      white[x] = value > 128 ? 1 : 0;
      if (x == 0 || x + 1 == n) {
        continue;
      }
      const int e = white[x] ? value - 255 : value;
      carried[x + 1] += (e * 7) >> 4;
      below[x - 1] += (e * 3) >> 4;
      below[x] += (e * 5) >> 4;
      below[x + 1] += e >> 4;
    }
    sink(row, white);
    std::swap(carried, below);
  }
}

CImportImage Convert(const CImportImage &source, int width, int height, int brightness, int contrast) {
  CImportImage result;
  if (width <= 0 || height <= 0 || !result.allocate(width, height)) {
    (void)result.allocate(0, 0);
    return result;
  }
  convertRows(source, width, height, brightness, contrast, [&](int row, const std::vector<uint8_t> &white) {
    uint8_t *out = result.rowFromBottom(row);
    for (size_t x = 0; x < white.size(); ++x) {
      std::fill(out + 3 * x, out + 3 * x + 3, white[x] ? 255 : 0);
    }
  });
  return result;
}

const char *importMessage(ImportResult result) {
  // The second line names what the import takes (kTakenFormats).
  static constexpr const char *kNotAPicture =
      QT_TRANSLATE_NOOP("pdx::animation::ImportImage",
                        "그림 파일이 아니거나 지원하지 않는 포맷입니다.\n"
                        "가져올 수 있는 그림: .bmp(1·4·8·24비트, 압축 없음), .gif, .jpg(CMYK 포함)");
  static constexpr const char *kCannotRead =
      QT_TRANSLATE_NOOP("pdx::animation::ImportImage",
                        "그림 파일을 읽어들일 수 없습니다.\n"
                        "가져올 수 있는 그림: .bmp(1·4·8·24비트, 압축 없음), .gif, .jpg(CMYK 포함)");
  switch (result) {
  case ImportResult::Ok:
    return nullptr;
  case ImportResult::NotAPicture:
    return pdx::text::translateLiteral("pdx::animation::ImportImage", kNotAPicture);
  case ImportResult::CannotRead:
    break;
  }
  return pdx::text::translateLiteral("pdx::animation::ImportImage", kCannotRead);
}

ImportResult ImportIntoPicture(CAnimation &picture, const CImportImage &image,
                               const ImportSettings &settings) {
  const Placement place = placeImage(image.width(), image.height(), settings.fit, settings.position);
  convertRows(image, place.width, place.height, settings.brightness, settings.contrast,
              [&](int row, const std::vector<uint8_t> &white) {
                const int y = place.y + place.height - 1 - row;
                for (int x = std::max(0, -place.x); x < place.width && place.x + x < W; ++x) {
                  picture.setPixel(place.x + x, y, white[static_cast<size_t>(x)] == 0);
                }
              });
  picture.setModified();
  return ImportResult::Ok;
}

ImportResult ImportIntoPicture(CAnimation &picture, const std::string &path, const ImportSettings &settings,
                               const ImageLimits &limits) {
  CImportImage image;
  switch (image.LoadImage(path, limits)) {
  case LoadResult::UnsupportedType:
    return ImportResult::NotAPicture;
  case LoadResult::ReaderFailed:
    return ImportResult::CannotRead;
  case LoadResult::Ok:
    break;
  }
  return ImportIntoPicture(picture, image, settings);
}

} // namespace pdx::animation
