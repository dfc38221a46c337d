// Turning an imported image into the 96 x 51 black-and-white picture: the
// size and place it gets, nearest-neighbour resampling, brightness and
// contrast, and error diffusion.
#pragma once

#include "animation/file/animation.h"
#include "animation/image/import_image.h"

#include <functional>

namespace pdx::animation {

enum class FitMode { WholeImage = 0, CoverScreen = 1, Stretch = 2 };
enum class Position { TopLeft = 0, Centre = 1, BottomRight = 2 };

// Size of the converted image and where its top-left corner lies on the
// picture (negative when it overflows; overflowing parts are cut off).
struct Placement {
  int width = 0;
  int height = 0;
  int x = 0;
  int y = 0;
};

Placement placeImage(int width, int height, FitMode fit, Position position);

// One colour byte after brightness b and contrast k (both -100..100).
uint8_t adjustByte(int byte, int brightness, int contrast);

// Receives the converted rows, bottom row first: for each pixel 1 when it is
// white, 0 when black.
using ConvertedRow = std::function<void(int rowFromBottom, const std::vector<uint8_t> &white)>;

// Resamples `source` to width x height, applies brightness and contrast and
// diffuses the error row by row from the bottom. Rows are handed over one
// at a time, so a tall target costs no more memory than one row.
void convertRows(const CImportImage &source, int width, int height, int brightness, int contrast,
                 const ConvertedRow &sink);

// The conversion as an image of pure black and white pixels; an empty image
// when the size is not positive or the memory cannot be had.
CImportImage Convert(const CImportImage &source, int width, int height, int brightness, int contrast);

enum class [[nodiscard]] ImportResult : int{Ok = 0, NotAPicture = 1, CannotRead = 2};

// The Korean message for a failed import; its second line names the
// formats the import takes.
const char *importMessage(ImportResult result);

struct ImportSettings {
  FitMode fit = FitMode::WholeImage;
  Position position = Position::Centre;
  int brightness = 0;
  int contrast = 0;
};

// Lays the converted image onto the picture at its place; the rest of the
// picture keeps what it had. The animation is marked modified. An image too
// thin to keep a pixel in one direction draws nothing.
ImportResult ImportIntoPicture(CAnimation &picture, const CImportImage &image,
                               const ImportSettings &settings);
// Loads `path` first: NotAPicture for an unsupported extension, CannotRead
// when the reader fails (the picture is then unchanged).
ImportResult ImportIntoPicture(CAnimation &picture, const std::string &path, const ImportSettings &settings,
                               const ImageLimits &limits = {});

} // namespace pdx::animation
